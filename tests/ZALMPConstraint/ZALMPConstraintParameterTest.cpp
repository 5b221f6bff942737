// A constraint's solver parameters: how the constraint holds them, when it
// writes them, and how a parameter reads its element. That every field comes
// back at every version is pinned by the kind conformance test.

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPConstraintParameter.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kParameterSource = "ZALMPConstraint.m/src/ZALMPConstraintParameter";

std::unique_ptr<ZALMPConstraintParameter> Parameter(int firstType, bool initialized, unsigned int firstTag = 0)
{
  auto parameter = std::make_unique<ZALMPConstraintParameter>();
  const int types[2] = {firstType, 0};
  const unsigned int tags[3] = {firstTag, 0, 0};
  parameter->SetTypes(types);
  parameter->SetTags(tags);
  parameter->SetInitialized(initialized);
  return parameter;
}

// The first type of each parameter in list order, -1 for a null entry, and
// whether each is initialized.
std::vector<std::pair<int, bool>> Held(const ZALMPConstraint& constraint)
{
  std::vector<std::pair<int, bool>> held;
  for (int i = 0; i < constraint.GetConstraintParameterCount(); ++i) {
    ZALMPConstraintParameter* parameter = nullptr;
    EXPECT_EQ(S_OK, constraint.GetConstraintParameter(i, parameter));
    int types[2] = {-1, -1};
    if (parameter) parameter->GetTypes(types);
    held.emplace_back(types[0], parameter && parameter->IsInitialized());
  }
  return held;
}

// Held in order, null and repeated entries too (the pointer held twice is
// deleted once when the constraint goes). Parameters nobody read or marked are
// not written; once one is, every non-null one is (a null entry is reported
// then), and reading appends them after those already held, each initialized.
TEST(ConstraintParameters, AreHeldInOrderWrittenWhenOneIsInitializedAndReadAfterThoseHeld)
{
  for (const bool oneInitialized : {false, true}) {
    ReportCapture reports;
    const RVLSharedHandle<TestConstraint> source = TestConstraint::create(L"c");
    ZALMPConstraintParameter* const twice = Parameter(1, false).release();
    for (ZALMPConstraintParameter* const parameter : {twice, Parameter(2, oneInitialized).release(),
                                                      static_cast<ZALMPConstraintParameter*>(nullptr), twice})
      EXPECT_EQ(S_OK, source->AddConstraintParameter(parameter));
    EXPECT_EQ((std::vector<std::pair<int, bool>>{{1, false}, {2, oneInitialized}, {-1, false}, {1, false}}),
              Held(*source));
    for (const int index : {-1, 4}) {
      ZALMPConstraintParameter* got = twice;
      EXPECT_EQ(E_FAIL, source->GetConstraintParameter(index, got)) << index;
      EXPECT_EQ(twice, got) << "left as it was, index " << index;
    }
    HRESULT written = E_FAIL;
    const std::string text = WriteXml(*source, ZALMPVersion::kNewest, written);
    EXPECT_EQ(S_OK, written) << oneInitialized;
    EXPECT_EQ(oneInitialized, text.find("<ConstraintParameters>") != std::string::npos) << oneInitialized;
    EXPECT_EQ(oneInitialized ? 1 : 0, reports.Count()) << oneInitialized;

    const RVLSharedHandle<TestConstraint> read = TestConstraint::create(L"r");
    read->AddConstraintParameter(Parameter(99, false).release());
    EXPECT_EQ(S_OK, read->Deserialize(ReadXml(text).get(), {})) << oneInitialized;
    std::vector<std::pair<int, bool>> expected = {{99, false}};
    if (oneInitialized) expected.insert(expected.end(), {{1, true}, {2, true}, {1, true}});
    EXPECT_EQ(expected, Held(*read)) << oneInitialized;
  }
}

// A parameter read from an element without "Types" and "Params" and without "Tag2".
TEST(ConstraintParameter, ReadingKeepsAMissingGroupAndReadsAMissingItemAsZero)
{
  ReportCapture reports;
  ZALMPConstraintParameter read;
  const double kept[3] = {9.0, 9.0, 9.0};
  read.SetParams(kept);
  const auto element = ReadXml("<ConstraintParameter><Tags><Tag1>1</Tag1><Tag3>3</Tag3></Tags></ConstraintParameter>");
  EXPECT_EQ(S_OK, read.Deserialize(element.get(), {}));
  unsigned int tags[3] = {};
  double params[3] = {};
  read.GetTags(tags);
  read.GetParams(params);
  EXPECT_EQ((std::vector<unsigned int>{1u, 0u, 3u}), std::vector<unsigned int>(tags, tags + 3));
  EXPECT_EQ(9.0, params[2]) << "a missing group keeps its array";
  EXPECT_EQ((std::vector<std::string>(3, kParameterSource)), reports.Files());
  EXPECT_EQ(E_FAIL, read.Deserialize(nullptr, {}));
}

TEST(ConstraintParameter, IsCompleteWhenTheFirstTypeAndTheFirstTagAreSet)
{
  EXPECT_FALSE(Parameter(1, false)->IsComplete());
  EXPECT_FALSE(Parameter(0, false, 1)->IsComplete());
  EXPECT_TRUE(Parameter(-1, false, 0xFFFFFFFFu)->IsComplete());
}

}  // namespace
