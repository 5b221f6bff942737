#include "ZALMPTreeTestElements.h"

#include <ZALMPTestSupport.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace {

std::wstring VersionOf(const ZALMPSerializer& element)
{
  std::wstring version;
  element.GetVersion(version);
  return version;
}

TEST(Serializer, AChildTakesItsParentsVersionWhenItIsAdded)
{
  TestWriter root;
  EXPECT_EQ(ZALMPVersion::kNewest, VersionOf(root));
  ASSERT_EQ(S_OK, root.SetVersion(ZALMPVersion::kR2016_0));
  ZALMPSerializer *early = nullptr, *late = nullptr;
  ASSERT_EQ(S_OK, root.AddElement(L"Body", early));
  // a later version change is not passed to children already added
  ASSERT_EQ(S_OK, root.SetVersion(L"R2099.9"));
  ASSERT_EQ(S_OK, root.AddElement(L"Body", late, 42));
  EXPECT_EQ(ZALMPVersion::kR2016_0, VersionOf(*early));
  EXPECT_EQ(L"R2099.9", VersionOf(*late));
}

TEST(Serializer, AddElementRefusesAChildPointerInUseAndAWriterThatMakesNothing)
{
  ReportCapture reports;
  TestWriter root;
  ZALMPSerializer* child = nullptr;
  ASSERT_EQ(S_OK, root.AddElement(L"First", child));

  ZALMPSerializer* const inUse = child;
  EXPECT_EQ(E_FAIL, root.AddElement(L"Second", child));
  EXPECT_EQ(inUse, child);
  EXPECT_EQ(1, reports.Count());
  // the valued form reports the failure once more
  EXPECT_EQ(E_FAIL, root.AddElement(L"Third", child, 1.5));
  EXPECT_EQ(3, reports.Count());
  EXPECT_EQ(1u, root.GetElementCount());

  TestWriter barren(false);
  child = nullptr;
  reports.Clear();
  EXPECT_EQ(E_FAIL, barren.AddElement(L"Any", child, L"text"));
  EXPECT_EQ(nullptr, child);
  EXPECT_EQ(0u, barren.GetElementCount());
  EXPECT_EQ(2, reports.Count());
  for (const std::string& file : reports.Files()) EXPECT_EQ("ZALMPSerialization.m/src/ZALMPSerializer", file);
}

TEST(Serializer, AttributesKeepTheirOrderAndRepeatsAndDoublesAreQuantised)
{
  TestWriter root;
  root.AddAttribute(L"count", 7);
  root.AddAttribute(L"x", 2.5e-12);
  EXPECT_EQ(S_OK, root.AddAttribute(L"count", 8));
  ASSERT_EQ(3u, root.GetAttributeCount());
  EXPECT_EQ(3e-12, root.GetAttributeValued(1));
  EXPECT_EQ(L"count", root.GetAttributeId(2));
  EXPECT_EQ(8, root.GetAttributeValuei(2));

  const std::pair<double, double> rounding[] = {{1e-13, 0.0}, {-9.99e-13, 0.0}, {2.5e-12, 3e-12}, {-2.5e-12, -3e-12},
                                                {0.30000000000049, 0.3}, {0.30000000000051, 0.300000000001},
                                                {1e300, 1e300}};
  for (const auto& [given, stored] : rounding) EXPECT_EQ(stored, ZALMPSerializer::Quantise(given)) << given;
  EXPECT_TRUE(std::isinf(ZALMPSerializer::Quantise(std::numeric_limits<double>::infinity())));
  EXPECT_TRUE(std::isnan(ZALMPSerializer::Quantise(std::nan(""))));
}

TEST(Serializer, DeepTreesOfBothKindsAreFreedWithoutExhaustingTheStack)
{
  constexpr int kDepth = 300000;
  auto writer = std::make_unique<TestWriter>();
  ZALMPSerializer* tip = writer.get();
  for (int i = 0; i < kDepth; ++i) {
    ZALMPSerializer* child = nullptr;
    ASSERT_EQ(S_OK, tip->AddElement(L"Link", child, i)) << i;
    tip = child;
  }
  writer.reset();

  auto reader = std::make_unique<TestReader>(L"Root");
  TestReader* end = reader.get();
  for (int i = 0; i < kDepth; ++i) end = end->Add(L"Link");
  reader.reset();
}

}  // namespace
