#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPConstant.h>
#include <ZALMPVariable.h>
#include <ZALMPVersion.h>

#include <RVLEInvalidCast.h>

#include <gtest/gtest.h>

namespace {

RVLSharedHandle<ZALMPVariable> FullySetVariable(const RVLSharedHandle<ZALMPConstraint>& constraint)
{
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"Angle.1");
  variable->SetValue(0.5);
  variable->SetMinValue(-1.25);
  variable->SetMaxValue(2.0);
  variable->SetRestitutionOnMinLimit(0.1);
  variable->SetRestitutionOnMaxLimit(0.9);
  variable->SetStartingValue(0.75);
  variable->SetPhysicalQuantity(ZALMPPhysicalQuantity::Length);
  variable->SetType(ZALMPVariableType::Controlled);
  variable->LinkToConstraint(constraint);
  return variable;
}

// value, min, max, restitution on min and on max limit, as read.
std::vector<double> Numbers(const ZALMPVariable& variable)
{
  std::vector<double> numbers(5);
  variable.GetValue(numbers[0]);
  variable.GetMinValue(numbers[1]);
  variable.GetMaxValue(numbers[2]);
  variable.GetRestitutionOnMinLimit(numbers[3]);
  variable.GetRestitutionOnMaxLimit(numbers[4]);
  return numbers;
}

bool Contains(const std::string& xml, const char* text)
{
  return xml.find(text) != std::string::npos;
}

// From R2017.0 on: grouped numbers with flags, names, read through the setters.
// Before: attributes and numbers, the type only from R2016.0, read straight
// into the fields (no flags, no loader).
TEST(VariableSerialization, EachLayoutKeepsItsNumbersQuantityTypeAndConstraints)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPConstraint> constraint = TestConstraint::create(L"c");
  const RVLSharedHandle<ZALMPVariable> source = FullySetVariable(constraint);
  for (const std::wstring_view version :
       {ZALMPVersion::kR2015x_0, ZALMPVersion::kR2016_1, ZALMPVersion::kR2017_0, ZALMPVersion::kR2018_1}) {
    SCOPED_TRACE(testing::Message() << "version " << std::wstring(version));
    const bool grouped = ZALMPVersion::IsAtLeast(version, ZALMPVersion::kR2017_0);
    const bool hasType = version != ZALMPVersion::kR2015x_0;
    HRESULT written = E_FAIL;
    const std::string xml = WriteXml(*source, version, written);
    EXPECT_EQ(S_OK, written);
    if (grouped)
      EXPECT_TRUE(Contains(xml, ">Length</PhysicalQuantity>") && Contains(xml, ">Controlled</Type>")) << xml;
    else
      EXPECT_TRUE(Contains(xml, "minvalue=\"-1.25\"") && Contains(xml, ">1</PhysicalQuantity>")) << xml;
    EXPECT_EQ(hasType && !grouped, Contains(xml, ">2</Type>")) << xml;

    std::vector<std::string> calls;
    const RVLSharedHandle<ZALMPVariable> read = ZALMPVariable::create();
    read->SetLoader(new RecordingVariableLoader(calls, S_OK));
    EXPECT_EQ(S_OK, read->Deserialize(ReadXml(xml).get(), IdsOf({constraint})));
    const std::vector<std::string> told{"value 0.5", "min -1.25", "max 2"};
    EXPECT_EQ(grouped ? told : std::vector<std::string>(), calls);
    EXPECT_EQ((std::vector<double>{0.5, -1.25, 2.0, grouped ? 0.1 : 0.0, grouped ? 0.9 : 0.0}), Numbers(*read));
    const int flagsSet = read->HasValue() + read->HasMinValue() + read->HasMaxValue() +
                         read->HasRestitutionOnMinLimit() + read->HasRestitutionOnMaxLimit();
    EXPECT_EQ(grouped ? 5 : 0, flagsSet);
    EXPECT_EQ(ZALMPPhysicalQuantity::Length, read->GetPhysicalQuantity());
    EXPECT_EQ(hasType ? ZALMPVariableType::Controlled : ZALMPVariableType::Free, read->GetType());
    EXPECT_FALSE(read->HasStartingValue()) << "the starting value is never written";
    RVLSharedHandle<ZALMPConstraint> linked;
    read->GetLinkedConstraint(0, linked);
    EXPECT_TRUE(linked == constraint);
  }

  // Unset flags write no numbers, and reading them leaves the reader's numbers.
  HRESULT written = E_FAIL;
  const std::string bare = WriteXml(*ZALMPVariable::create(L"x"), ZALMPVersion::kR2017_0, written);
  EXPECT_EQ(S_OK, written);
  EXPECT_TRUE(Contains(bare, "<HasMinLimitRestitution>false<")) << bare;
  EXPECT_FALSE(Contains(bare, ">true<") || Contains(bare, "<Value>0<") || Contains(bare, "RestitutionValue")) << bare;
  const RVLSharedHandle<ZALMPVariable> read = ZALMPVariable::create();
  read->SetValue(6.0);
  read->SetRestitutionOnMaxLimit(0.4);
  EXPECT_EQ(S_OK, read->Deserialize(ReadXml(bare).get(), {}));
  EXPECT_EQ((std::vector<double>{6.0, 0.0, 0.0, 0.0, 0.4}), Numbers(*read));
  EXPECT_TRUE(read->HasValue());
  EXPECT_EQ(0, reports.Count());
}

TEST(VariableSerialization, AnIncompleteGroupedTreeFailsButAppliesWhatItHolds)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPConstraint> constraint = TestConstraint::create(L"c");
  HRESULT written = E_FAIL;
  std::string xml = WriteXml(*FullySetVariable(constraint), ZALMPVersion::kR2018_1, written);
  const std::size_t from = xml.find("<MinLimitRestitution>");
  const std::string end = "</MinLimitRestitution>";
  ASSERT_NE(std::string::npos, from);
  xml.erase(from, xml.find(end) + end.size() - from);
  xml = Replaced(xml, ">Length<", ">length<");

  const RVLSharedHandle<ZALMPVariable> read = ZALMPVariable::create();
  EXPECT_EQ(E_FAIL, read->Deserialize(ReadXml(xml).get(), IdsOf({constraint})));
  EXPECT_LE(1, reports.Count());
  EXPECT_EQ((std::vector<double>{0.5, -1.25, 2.0, 0.0, 0.9}), Numbers(*read));
  EXPECT_FALSE(read->HasRestitutionOnMinLimit());
  EXPECT_EQ(ZALMPPhysicalQuantity::NoPhysicalQuantity, read->GetPhysicalQuantity()) << "a misspelt name";
  EXPECT_EQ(ZALMPVariableType::Controlled, read->GetType());
  EXPECT_EQ(1, read->GetLinkedConstraintCount());

  // A reference to an entity that is not a constraint cannot be narrowed.
  std::wstring id;
  constraint->GetIdentifier(id);
  const ZALMPIdentifierMap wrongKind{{id, ZALMPConstant::create(L"not a constraint")}};
  EXPECT_THROW(ZALMPVariable::create()->Deserialize(ReadXml(xml).get(), wrongKind), RVLEInvalidCast);
}

}  // namespace
