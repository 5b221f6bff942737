// How a variable reads its element. What each version writes, and that every
// field and link comes back, is pinned by the kind conformance test.

#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPVariable.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>
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

// Before R2017.0 the numbers go straight into the fields (no flags, no loader)
// and the type is read only from R2016.0 on; from R2017.0 on, through the setters.
TEST(VariableSerialization, OlderLayoutsAreReadIntoTheFieldsAndTheGroupedOneThroughTheSetters)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPVariable> source = EveryNumberSet();
  const struct {
    std::wstring_view version;
    const char* readAs;  // the version the document is labelled with on reading, when another
    bool grouped, typed;
  } cases[] = {
      {ZALMPVersion::kR2015x_0, nullptr, false, false}, {ZALMPVersion::kR2016_0, nullptr, false, true},
      {ZALMPVersion::kR2016_0, "R2015x.0", false, false}, {ZALMPVersion::kR2017_0, nullptr, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "version " << std::wstring(c.version) << " read as " << (c.readAs ? c.readAs : ""));
    HRESULT written = E_FAIL;
    std::string xml = WriteXml(*source, c.version, written);
    if (c.readAs) xml = Replaced(xml, "\"R2016.0\"", std::string("\"") + c.readAs + "\"");
    std::vector<std::string> calls;
    const RVLSharedHandle<ZALMPVariable> read = ZALMPVariable::create();
    read->SetLoader(new RecordingVariableLoader(calls, S_OK));
    EXPECT_EQ(S_OK, read->Deserialize(ReadXml(xml).get(), {}));
    EXPECT_EQ(c.grouped ? kTold : std::vector<std::string>(), calls);
    EXPECT_EQ((std::vector<double>{1.0, -2.0, 3.0, c.grouped ? 0.25 : 0.0, c.grouped ? 0.75 : 0.0}), Numbers(*read));
    EXPECT_EQ(std::vector<bool>(5, c.grouped), Flags(*read));
    EXPECT_EQ(c.typed ? ZALMPVariableType::Constant : ZALMPVariableType::Free, read->GetType());
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
  const struct {
    const char* removed;      // from the written document
    std::vector<bool> flags;  // value, min, max, restitution on min and on max
  } cases[] = {
      {"<Value>1</Value>", {false, true, true, true, true}},
      {"<MaxLimitRestitutionValue>0.75</MaxLimitRestitutionValue>", {true, true, true, true, false}},
      {"<HasMinValue>true</HasMinValue>", {true, false, true, true, true}},
      {"<MinLimitRestitution>[\\s\\S]*</MinLimitRestitution>", {true, true, true, false, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.removed);
    const std::string xml = std::regex_replace(full, std::regex(c.removed), "");
    const RVLSharedHandle<ZALMPVariable> read = ZALMPVariable::create();
    ReportCapture reports;
    EXPECT_EQ(E_FAIL, read->Deserialize(ReadXml(xml).get(), IdsOf({constraint})));
    EXPECT_EQ((std::vector<std::string>{kSource, kSource}), reports.Files())
        << "where the part is missed, and the failed read";
    EXPECT_EQ(c.flags, Flags(*read));
    const std::vector<double> numbers = Numbers(*read), set = {1.0, -2.0, 3.0, 0.25, 0.75};
    for (std::size_t i = 0; i < set.size(); ++i) EXPECT_EQ(c.flags[i] ? set[i] : 0.0, numbers[i]) << "number " << i;
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
