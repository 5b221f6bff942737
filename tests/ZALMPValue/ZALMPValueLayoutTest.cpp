// The names variables and values write, checked against the written document,
// and how a variable reads a grouped layout that misses a part.

#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"
#include "ZALMPXmlOutline.h"

#include <ZALMPBoolean.h>
#include <ZALMPConstant.h>
#include <ZALMPExpression.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPString.h>
#include <ZALMPVariable.h>
#include <ZALMPVersion.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kVariableSource = "ZALMPVariable.m/src/ZALMPVariable";

RVLSharedHandle<ZALMPVariable> EveryNumberSet()
{
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"x");
  variable->SetValue(1.0);
  variable->SetMinValue(-2.0);
  variable->SetMaxValue(3.0);
  variable->SetRestitutionOnMinLimit(0.25);
  variable->SetRestitutionOnMaxLimit(0.75);
  variable->SetPhysicalQuantity(ZALMPPhysicalQuantity::Angle);
  variable->SetType(ZALMPVariableType::Constant);
  return variable;
}

// Reading a grouped layout in which one part is missing: the call fails with
// a report, that part stays as it was, and everything else is applied.
TEST(VariableLayout, AGroupWithoutItsNumberOrFlagFailsAndLeavesOnlyThatNumber)
{
  HRESULT written = E_FAIL;
  const std::string full = WriteXml(*EveryNumberSet(), ZALMPVersion::kR2018_1, written);
  struct Case {
    std::vector<std::pair<std::string, std::string>> edits;  // of the written document
    std::vector<bool> flags;                                 // value, min, max, restitution on min and on max
  };
  const std::vector<Case> cases = {
      {{{"<Value>1</Value>", ""}}, {false, true, true, true, true}},
      {{{"<MinValue>-2</MinValue>", ""}}, {true, false, true, true, true}},
      {{{"<MaxValue>3</MaxValue>", ""}}, {true, true, false, true, true}},
      {{{"<MinLimitRestitutionValue>0.25</MinLimitRestitutionValue>", ""}}, {true, true, true, false, true}},
      {{{"<MaxLimitRestitutionValue>0.75</MaxLimitRestitutionValue>", ""}}, {true, true, true, true, false}},
      {{{"<HasValue>true</HasValue>", ""}}, {false, true, true, true, true}},
      {{{"<HasMaxLimitRestitution>true</HasMaxLimitRestitution>", ""}}, {true, true, true, true, false}},
      {{{"<MinLimitRestitution>", "<Restitution>"}, {"</MinLimitRestitution>", "</Restitution>"}},
       {true, true, true, false, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edits.front().first);
    std::string xml = full;
    for (const auto& [from, to] : c.edits) xml = Replaced(xml, from, to);
    const RVLSharedHandle<ZALMPVariable> read = ZALMPVariable::create();
    std::vector<std::string> calls;
    read->SetLoader(new RecordingVariableLoader(calls, S_OK));
    ReportCapture reports;
    EXPECT_EQ(E_FAIL, read->Deserialize(ReadXml(xml).get(), {}));
    EXPECT_EQ((std::vector<std::string>{kVariableSource, kVariableSource}), reports.Files())
        << "where the part is missed, and the failed read";
    EXPECT_EQ(c.flags, (std::vector<bool>{read->HasValue(), read->HasMinValue(), read->HasMaxValue(),
                                          read->HasRestitutionOnMinLimit(), read->HasRestitutionOnMaxLimit()}));
    std::vector<double> numbers(5, -9.0);
    read->GetValue(numbers[0]);
    read->GetMinValue(numbers[1]);
    read->GetMaxValue(numbers[2]);
    read->GetRestitutionOnMinLimit(numbers[3]);
    read->GetRestitutionOnMaxLimit(numbers[4]);
    const std::vector<double> set = {1.0, -2.0, 3.0, 0.25, 0.75};
    for (std::size_t i = 0; i < set.size(); ++i) EXPECT_EQ(c.flags[i] ? set[i] : 0.0, numbers[i]) << "number " << i;
    std::vector<std::string> told;
    if (c.flags[0]) told.push_back("value 1");
    if (c.flags[1]) told.push_back("min -2");
    if (c.flags[2]) told.push_back("max 3");
    EXPECT_EQ(told, calls) << "only the numbers read are told";
    EXPECT_EQ(ZALMPPhysicalQuantity::Angle, read->GetPhysicalQuantity());
    EXPECT_EQ(ZALMPVariableType::Constant, read->GetType());
  }
}

}  // namespace
