// A constraint's solver parameters: how the constraint holds them, when it
// writes them, and how a parameter reads its element. That every field comes
// back at every version is pinned by the kind conformance test.

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPConstraintParameter.h>
#include <ZALMPPoint.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace {

const char* const kParameterSource = "ZALMPConstraint.m/src/ZALMPConstraintParameter";

std::unique_ptr<ZALMPConstraintParameter> Parameter(int firstType, bool initialized)
{
  auto parameter = std::make_unique<ZALMPConstraintParameter>();
  const int types[2] = {firstType, 0};
  parameter->SetTypes(types);
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

int Occurrences(const std::string& text, const std::string& what)
{
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

TEST(ConstraintParameters, AreHeldInOrderNullAndRepeatedTooAndOutliveOrphaning)
{
  ReportCapture reports;
  RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  ZALMPConstraintParameter* const twice = Parameter(7, false).release();
  EXPECT_EQ(S_OK, constraint->AddConstraintParameter(twice));
  EXPECT_EQ(S_OK, constraint->AddConstraintParameter(nullptr));
  EXPECT_EQ(S_OK, constraint->AddConstraintParameter(twice));
  EXPECT_EQ((std::vector<std::pair<int, bool>>{{7, false}, {-1, false}, {7, false}}), Held(*constraint));
  for (const int index : {-1, 3}) {
    ZALMPConstraintParameter* got = twice;
    EXPECT_EQ(E_FAIL, constraint->GetConstraintParameter(index, got)) << index;
    EXPECT_EQ(twice, got) << "left as it was, index " << index;
  }
  EXPECT_EQ(0, reports.Count());

  // A copy has no parameters and no joint.
  constraint->SetJoint(TestJoint::create(L"j"));
  const RVLSharedHandle<TestConstraint> copy = TestConstraint::clone(constraint);
  EXPECT_EQ(0, copy->GetConstraintParameterCount());
  RVLSharedHandle<ZALMPJoint> joint;
  EXPECT_EQ(E_FAIL, copy->GetJoint(joint));

  // Orphaning lets the partners go but keeps the parameters; when the
  // constraint goes, the pointer held twice is deleted once.
  const RVLSharedHandle<ZALMPPoint> point = ZALMPPoint::create(L"p");
  constraint->LinkToGeometry(point);
  point->LinkToConstraint(constraint);
  TestConstraint* const orphaned = constraint.get();
  RVLSharedHandle<TestConstraint> kept = constraint;
  TestConstraint::destroy(constraint);
  EXPECT_EQ(0, point->GetLinkedConstraintCount());
  EXPECT_EQ(0, orphaned->GetLinkedGeometryCount());
  EXPECT_EQ(3, orphaned->GetConstraintParameterCount());
  kept = nullptr;
}

// Parameters nobody read or marked are not written; once one is, every
// non-null one is (a null entry is reported then), and reading appends them
// after those already held, each initialized.
TEST(ConstraintParameters, AreWrittenWhenOneIsInitializedAndReadAfterThoseHeld)
{
  const struct {
    const char* name;
    std::vector<bool> initialized;  // after which a null entry is added
    int written;
    int reports;
  } cases[] = {
      {"no parameter", {}, 0, 0},
      {"none initialized", {false, false}, 0, 0},
      {"one of three initialized", {false, true, false}, 3, 1},
  };
  for (const auto& c : cases) {
    ReportCapture reports;
    const RVLSharedHandle<TestConstraint> source = TestConstraint::create(L"c");
    for (std::size_t i = 0; i < c.initialized.size(); ++i)
      source->AddConstraintParameter(Parameter(static_cast<int>(i) + 1, c.initialized[i]).release());
    source->AddConstraintParameter(nullptr);
    HRESULT written = E_FAIL;
    const std::string text = WriteXml(*source, ZALMPVersion::kNewest, written);
    EXPECT_EQ(S_OK, written) << c.name;
    EXPECT_EQ(c.written > 0, text.find("<ConstraintParameters>") != std::string::npos) << c.name;
    EXPECT_EQ(c.written, Occurrences(text, "<ConstraintParameter>")) << c.name;
    EXPECT_EQ(c.reports, reports.Count()) << c.name;

    const RVLSharedHandle<TestConstraint> read = TestConstraint::create(L"r");
    read->AddConstraintParameter(Parameter(99, false).release());
    EXPECT_EQ(S_OK, read->Deserialize(ReadXml(text).get(), {})) << c.name;
    std::vector<std::pair<int, bool>> expected = {{99, false}};
    for (int i = 1; i <= c.written; ++i) expected.emplace_back(i, true);
    EXPECT_EQ(expected, Held(*read)) << c.name;
  }
}

TEST(ConstraintParameter, ReadingMarksItInitializedAndKeepsWhatIsMissing)
{
  ReportCapture reports;
  ZALMPConstraintParameter source;
  const int types[2] = {4, -5};
  const unsigned int tags[3] = {0xFFFFFFFFu, 2u, 3u};
  const double params[3] = {1.5, 2.5, 3.5};
  source.SetTypes(types);
  source.SetTags(tags);
  source.SetParams(params);
  ZALMPXmlWriter root;
  ASSERT_EQ(S_OK, source.Serialize(&root));
  std::string text = ZALMPXmlCodec::Write(root);
  text = std::regex_replace(text, std::regex("<Tag2>[^<]*</Tag2>"), "");
  text = std::regex_replace(text, std::regex("<Params>[\\s\\S]*</Params>"), "");
  const auto tree = ReadXml(text);
  ZALMPDeserializer* element = nullptr;
  tree->GetElement(L"ConstraintParameter", element);
  ASSERT_NE(nullptr, element) << text;

  ZALMPConstraintParameter read;
  const double kept[3] = {9.0, 9.0, 9.0};
  read.SetParams(kept);
  EXPECT_EQ(S_OK, read.Deserialize(element, {}));
  EXPECT_TRUE(read.IsInitialized());
  int gotTypes[2] = {};
  unsigned int gotTags[3] = {};
  double gotParams[3] = {};
  read.GetTypes(gotTypes);
  read.GetTags(gotTags);
  read.GetParams(gotParams);
  EXPECT_EQ((std::vector<int>{4, -5}), std::vector<int>(gotTypes, gotTypes + 2));
  EXPECT_EQ((std::vector<unsigned int>{0xFFFFFFFFu, 0u, 3u}), std::vector<unsigned int>(gotTags, gotTags + 3))
      << "a tag keeps its bit pattern; a missing one reads as 0";
  EXPECT_EQ((std::vector<double>{9.0, 9.0, 9.0}), std::vector<double>(gotParams, gotParams + 3))
      << "a missing group keeps its array";
  EXPECT_EQ((std::vector<std::string>{kParameterSource, kParameterSource}), reports.Files());

  reports.Clear();
  EXPECT_EQ(E_FAIL, read.Deserialize(nullptr, {}));
  EXPECT_EQ(E_FAIL, read.Serialize(nullptr));
  EXPECT_EQ(2, reports.Count());
}

TEST(ConstraintParameter, IsCompleteWhenTheFirstTypeAndTheFirstTagAreSet)
{
  const struct {
    int type;
    unsigned int tag;
    bool complete;
  } cases[] = {{0, 0, false}, {1, 0, false}, {0, 1, false}, {1, 1, true}, {-1, 0xFFFFFFFFu, true}};
  for (const auto& c : cases) {
    ZALMPConstraintParameter parameter;
    const int types[2] = {c.type, 0};
    const unsigned int tags[3] = {c.tag, 0, 0};
    parameter.SetTypes(types);
    parameter.SetTags(tags);
    EXPECT_EQ(c.complete, parameter.IsComplete()) << c.type << ", " << c.tag;
  }
}

}  // namespace
