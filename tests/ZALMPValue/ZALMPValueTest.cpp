#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPBoolean.h>
#include <ZALMPConstant.h>
#include <ZALMPString.h>
#include <ZALMPVariableType.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

namespace {

// Exact names and case, and an unknown name, are met by the layouts that store
// them (value and variable tests), which also read back every variable type;
// the quantity table is walked here for a row with a repeated name or number.
TEST(NameTables, EveryRowRoundTripsAndUnknownsFallBackToTheFirstRow)
{
  for (int number = 0; number <= ZALMPPhysicalQuantity::AngularDamping; ++number) {
    const auto quantity = static_cast<ZALMPPhysicalQuantity::Enum>(number);
    EXPECT_EQ(quantity, ZALMPPhysicalQuantity::FromName(ZALMPPhysicalQuantity::ToName(quantity))) << number;
  }
  EXPECT_EQ(L"NoPhysicalQuantity", ZALMPPhysicalQuantity::ToName(static_cast<ZALMPPhysicalQuantity::Enum>(33)));
  EXPECT_EQ(L"Free", ZALMPVariableType::ToName(static_cast<ZALMPVariableType::Enum>(-1)));
}

TEST(Value, QuantityIsOptionalAndStoredByNumberBeforeR2018AndByNameFromThenOn)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPConstant> unset = ZALMPConstant::create(L"u");
  ZALMPPhysicalQuantity::Enum quantity = ZALMPPhysicalQuantity::Mass;
  EXPECT_EQ(E_FAIL, unset->GetPhysicalQuantity(quantity)) << "not reported";
  EXPECT_EQ(ZALMPPhysicalQuantity::NoPhysicalQuantity, quantity);
  ZALMPXmlWriter root;
  EXPECT_EQ(S_FALSE, unset->ZALMPValue::Serialize(&root)) << "nothing of the quantity to write";
  EXPECT_EQ(0, reports.Count());

  // Without a quantity the value reads back from R2018.0 on; before, the quantity is required.
  for (const std::wstring_view version : {ZALMPVersion::kR2018_0, ZALMPVersion::kR2017_0}) {
    HRESULT written = E_FAIL;
    const std::string xml = WriteXml(*unset, version, written);
    EXPECT_EQ(version == ZALMPVersion::kR2018_0 ? S_OK : E_FAIL,
              ZALMPConstant::create()->Deserialize(ReadXml(xml).get(), {}));
  }

  const RVLSharedHandle<ZALMPConstant> mass = ZALMPConstant::create(L"m");
  mass->SetPhysicalQuantity(ZALMPPhysicalQuantity::Mass);
  reports.Clear();
  EXPECT_EQ(E_FAIL, mass->SetPhysicalQuantity(ZALMPPhysicalQuantity::NoPhysicalQuantity));
  EXPECT_EQ(S_OK, mass->GetPhysicalQuantity(quantity));
  EXPECT_EQ(ZALMPPhysicalQuantity::Mass, quantity);

  // A name outside the table reads as "not set", which a value refuses (what
  // each version writes is pinned by the kind conformance test).
  const std::string byName = Replaced(WrittenXml(*mass), ">Mass<", ">Mas<");
  EXPECT_EQ(E_FAIL, ZALMPConstant::create()->Deserialize(ReadXml(byName).get(), {}));
  EXPECT_EQ(2, reports.Count());
}

// That each literal's value comes back is pinned by the kind conformance test.
TEST(LiteralValues, ABooleanIsTrueOnlyForTheTextTRUEAndEachKindReadsOnlyItsOwnElement)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPBoolean> boolean = ZALMPBoolean::create(L"Enabled");
  boolean->SetValue(1);
  const std::string booleanXml = WrittenXml(*boolean);
  for (const bool upperCase : {true, false}) {
    const RVLSharedHandle<ZALMPBoolean> read = ZALMPBoolean::create();
    read->SetValue(upperCase ? 0 : 1);
    const std::string xml = upperCase ? booleanXml : Replaced(booleanXml, ">TRUE<", ">true<");
    EXPECT_EQ(S_OK, read->Deserialize(ReadXml(xml).get(), {}));
    unsigned char flag = 2;
    read->GetValue(flag);
    EXPECT_EQ(upperCase ? 1 : 0, flag) << "only the exact text TRUE is true";
  }
  EXPECT_EQ(0, reports.Count());

  EXPECT_EQ(E_FAIL, ZALMPString::create()->Deserialize(ReadXml(booleanXml).get(), {})) << "no element of its kind";
  EXPECT_EQ(1, reports.Count());
}

}  // namespace
