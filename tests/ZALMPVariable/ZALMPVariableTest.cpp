#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPVariable.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const std::string kSource = "ZALMPVariable.m/src/ZALMPVariable";
const std::vector<std::string> kTold = {"value 1", "min -2", "max 3"};  // what a loader hears of every number set

RVLSharedHandle<ZALMPVariable> EveryNumberSet()
{
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"x");
  variable->SetValue(1.0);
  variable->SetMinValue(-2.0);
  variable->SetMaxValue(3.0);
  variable->SetRestitutionOnMinLimit(0.25);
  variable->SetRestitutionOnMaxLimit(0.75);
  variable->SetStartingValue(0.5);
  variable->SetPhysicalQuantity(ZALMPPhysicalQuantity::Angle);
  variable->SetType(ZALMPVariableType::Constant);
  return variable;
}

// Value, min, max, restitution on min and on max limit, as read.
std::vector<double> Numbers(const ZALMPVariable& variable)
{
  std::vector<double> numbers(5, -9.0);
  variable.GetValue(numbers[0]);
  variable.GetMinValue(numbers[1]);
  variable.GetMaxValue(numbers[2]);
  variable.GetRestitutionOnMinLimit(numbers[3]);
  variable.GetRestitutionOnMaxLimit(numbers[4]);
  return numbers;
}

std::vector<bool> Flags(const ZALMPVariable& variable)
{
  return {variable.HasValue(), variable.HasMinValue(), variable.HasMaxValue(), variable.HasRestitutionOnMinLimit(),
          variable.HasRestitutionOnMaxLimit()};
}

TEST(Variable, SettersMarkTheNumberAndTellTheLoaderUpdateValueDoesNeither)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"x");
  EXPECT_EQ(S_OK, variable->UpdateValue(7.0));
  EXPECT_EQ(7.0, Numbers(*variable)[0]);
  EXPECT_FALSE(variable->HasValue());
  EXPECT_EQ(S_OK, variable->SetValue(4.0)) << "without a loader";
  EXPECT_TRUE(variable->HasValue());

  std::vector<std::string> calls;
  variable->SetLoader(new RecordingVariableLoader(calls, S_FALSE));
  EXPECT_EQ(S_FALSE, variable->SetValue(2.5)) << "the loader's answer";
  EXPECT_EQ(S_FALSE, variable->SetMinValue(-1.0));
  EXPECT_EQ(S_FALSE, variable->SetMaxValue(4.0));
  variable->UpdateValue(7.0);
  variable->SetStartingValue(1.0);
  variable->SetRestitutionOnMaxLimit(0.3);
  EXPECT_EQ((std::vector<std::string>{"value 2.5", "min -1", "max 4"}), calls);
  EXPECT_EQ(0, reports.Count());
}

TEST(Variable, UpdateValueAlsoNotifiesTheConstraintsOfAControlledVariable)
{
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"x");
  const RVLSharedHandle<TestConstraint> first = TestConstraint::create(L"c1"), second = TestConstraint::create(L"c2");
  variable->LinkToConstraint(first);
  variable->LinkToConstraint(second);
  UpdateCounter onVariable(*variable), onFirst(*first), onSecond(*second);

  // Free, Constant, then Controlled: only the last reaches the constraints.
  for (int type = 0; type <= ZALMPVariableType::Controlled; ++type) {
    variable->SetType(static_cast<ZALMPVariableType::Enum>(type));
    variable->UpdateValue(1.0);
    const int constraintNotices = type == ZALMPVariableType::Controlled ? 1 : 0;
    EXPECT_EQ(type + 1, onVariable.count) << type;
    EXPECT_EQ(constraintNotices, onFirst.count) << type;
    EXPECT_EQ(constraintNotices, onSecond.count) << type;
  }
}

// The list itself answers as every link list does (ConstraintLinks: one
// definition makes them all).
TEST(Variable, DestroyingItAsksOnlyTheConstraintsItListsToDropIt)
{
  RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"x");
  const RVLSharedHandle<TestConstraint> listed = TestConstraint::create(L"a"), unlisted = TestConstraint::create(L"b");
  variable->LinkToConstraint(listed);
  listed->LinkToVariable(variable);
  unlisted->LinkToVariable(variable);
  ZALMPVariable::destroy(variable);
  EXPECT_EQ(0, listed->GetLinkedVariableCount());
  EXPECT_EQ(1, unlisted->GetLinkedVariableCount());
}

// That a copy and its source are independent is the kind conformance test's.
TEST(Variable, CloneCopiesNumbersQuantityAndTypeButNotStartingValueOrLinks)
{
  const RVLSharedHandle<ZALMPVariable> source = EveryNumberSet();
  source->LinkToConstraint(TestConstraint::create(L"c"));
  const RVLSharedHandle<ZALMPVariable> copy = ZALMPVariable::clone(source);
  ASSERT_TRUE(copy);
  EXPECT_EQ(Numbers(*source), Numbers(*copy));
  EXPECT_EQ(std::vector<bool>(5, true), Flags(*copy));
  EXPECT_FALSE(copy->HasStartingValue());
  EXPECT_EQ(ZALMPPhysicalQuantity::Angle, copy->GetPhysicalQuantity());
  EXPECT_EQ(ZALMPVariableType::Constant, copy->GetType());
  EXPECT_EQ(0, copy->GetLinkedConstraintCount());
}

// How a variable reads its element; what each version writes, and that every
// field and link comes back, is pinned by the kind conformance test. Before
// R2017.0 the numbers go straight into the fields (no flags, no loader) and the
// type is read only from R2016.0 on; from R2017.0 on, through the setters.
TEST(VariableSerialization, OlderLayoutsAreReadIntoTheFieldsAndTheGroupedOneThroughTheSetters)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPVariable> source = EveryNumberSet();
  // written at, labelled on reading (when another), grouped, typed
  const std::tuple<std::wstring_view, const char*, bool, bool> cases[] = {
      {ZALMPVersion::kR2015x_0, nullptr, false, false}, {ZALMPVersion::kR2016_0, nullptr, false, true},
      {ZALMPVersion::kR2016_0, "R2015x.0", false, false}, {ZALMPVersion::kR2017_0, nullptr, true, true},
  };
  for (const auto& [version, readAs, grouped, typed] : cases) {
    SCOPED_TRACE(testing::Message() << "version " << std::wstring(version) << " read as " << (readAs ? readAs : ""));
    HRESULT written = E_FAIL;
    std::string xml = WriteXml(*source, version, written);
    if (readAs) xml = Replaced(xml, "\"R2016.0\"", std::string("\"") + readAs + "\"");
    std::vector<std::string> calls;
    const RVLSharedHandle<ZALMPVariable> read = ZALMPVariable::create();
    read->SetLoader(new RecordingVariableLoader(calls, S_OK));
    EXPECT_EQ(S_OK, read->Deserialize(ReadXml(xml).get(), {}));
    EXPECT_EQ(grouped ? kTold : std::vector<std::string>(), calls);
    EXPECT_EQ((std::vector<double>{1.0, -2.0, 3.0, grouped ? 0.25 : 0.0, grouped ? 0.75 : 0.0}), Numbers(*read));
    EXPECT_EQ(std::vector<bool>(5, grouped), Flags(*read));
    EXPECT_EQ(typed ? ZALMPVariableType::Constant : ZALMPVariableType::Free, read->GetType());
    EXPECT_FALSE(read->HasStartingValue()) << "the starting value is never written";
  }

  // Unset flags write no numbers, so reading them leaves the reader's numbers and flags.
  HRESULT written = E_FAIL;
  const std::string bare = WriteXml(*ZALMPVariable::create(L"x"), ZALMPVersion::kR2017_0, written);
  const RVLSharedHandle<ZALMPVariable> read = ZALMPVariable::create();
  read->SetValue(6.0);
  read->SetRestitutionOnMaxLimit(0.4);
  EXPECT_EQ(S_OK, read->Deserialize(ReadXml(bare).get(), {}));
  EXPECT_EQ((std::vector<double>{6.0, 0.0, 0.0, 0.0, 0.4}), Numbers(*read));
  EXPECT_TRUE(read->HasValue());
  EXPECT_EQ(0, reports.Count());
}

// Reading a grouped layout in which one part is missing: the call fails with
// a report, that part stays as it was, and everything else is applied.
TEST(VariableSerialization, AGroupWithoutItsNumberOrFlagFailsAndLeavesOnlyThatNumber)
{
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  const RVLSharedHandle<ZALMPVariable> source = EveryNumberSet();
  source->LinkToConstraint(constraint);
  HRESULT written = E_FAIL;
  const std::string full = WriteXml(*source, ZALMPVersion::kR2018_1, written);
  // removed from the written document; the flags of value, min, max, restitution on min and on max
  const std::pair<const char*, std::vector<bool>> cases[] = {
      {"<Value>1</Value>", {false, true, true, true, true}},
      {"<MaxLimitRestitutionValue>0.75</MaxLimitRestitutionValue>", {true, true, true, true, false}},
      {"<HasMinValue>true</HasMinValue>", {true, false, true, true, true}},
      {"<MinLimitRestitution>[\\s\\S]*</MinLimitRestitution>", {true, true, true, false, true}},
  };
  for (const auto& [removed, flags] : cases) {
    SCOPED_TRACE(removed);
    const std::string xml = std::regex_replace(full, std::regex(removed), "");
    const RVLSharedHandle<ZALMPVariable> read = ZALMPVariable::create();
    ReportCapture reports;
    EXPECT_EQ(E_FAIL, read->Deserialize(ReadXml(xml).get(), IdsOf({constraint})));
    EXPECT_EQ((std::vector<std::string>{kSource, kSource}), reports.Files())
        << "where the part is missed, and the failed read";
    EXPECT_EQ(flags, Flags(*read));
    const std::vector<double> numbers = Numbers(*read), set = {1.0, -2.0, 3.0, 0.25, 0.75};
    for (std::size_t i = 0; i < set.size(); ++i) EXPECT_EQ(flags[i] ? set[i] : 0.0, numbers[i]) << "number " << i;
    EXPECT_EQ(ZALMPVariableType::Constant, read->GetType());
    EXPECT_EQ(1, read->GetLinkedConstraintCount()) << "the links are read all the same";
  }

  ReportCapture reports;
  const RVLSharedHandle<ZALMPVariable> read = ZALMPVariable::create();
  EXPECT_EQ(S_OK, read->Deserialize(ReadXml(Replaced(full, ">Angle<", ">angle<")).get(), {}));
  EXPECT_EQ(ZALMPPhysicalQuantity::NoPhysicalQuantity, read->GetPhysicalQuantity()) << "a name outside the table";
  EXPECT_EQ(0, reports.Count());
}

}  // namespace
