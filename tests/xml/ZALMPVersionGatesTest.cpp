// What a reader takes from an element of each format version: the active
// flag (from R2017.1 on), the body's out-of-world flag (from R2016.1 on), the
// variable's type (from R2016.0 on) and grouped layout (from R2017.0 on), and
// the value's physical quantity by number (before R2018.0) or by name (from
// R2018.0 on). What each version writes is pinned by the kept documents of the
// world of every kind.

#include "ZALMPTestSupport.h"

#include <ZALMPBody.h>
#include <ZALMPConstant.h>
#include <ZALMPVariable.h>
#include <ZALMPVersion.h>
#include <ZALMPXmlCodec.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// What a version's layout holds, one row per version, oldest first.
struct Layout {
  std::wstring_view version;
  bool activeFlag;      // "isActive" on every entity
  bool outOfWorld;      // "OutOfWorld" in a body
  bool olderType;       // "Type" by number in the variable's older layout
  bool grouped;         // the variable's grouped layout, quantity and type by name
  bool quantityByName;  // a value's "PhysicalQuantity" by name rather than by number
};

const std::vector<Layout> kLayouts = {
    {L"R2015x.0", false, false, false, false, false}, {L"R2016.0", false, false, true, false, false},
    {L"R2016.1", false, true, true, false, false},    {L"R2017.0", false, true, true, true, false},
    {L"R2017.1", true, true, true, true, false},      {L"R2018.0", true, true, true, true, true},
    {L"R2018.1", true, true, true, true, true},
};

// The tree of a hand-written document of `version` holding `content`.
std::unique_ptr<ZALMPXmlReader> Document(std::wstring_view version, const std::string& content)
{
  std::unique_ptr<ZALMPXmlReader> document;
  const std::string text = "<Doc xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"" +
                           std::string(version.begin(), version.end()) + "\">" + content + "</Doc>";
  EXPECT_TRUE(ZALMPXmlCodec::Read(text, document).Ok()) << text;
  return document;
}

class VersionGates : public ::testing::TestWithParam<Layout> {};

TEST(VersionGateTable, HasOneRowPerKnownVersionInOrder)
{
  ASSERT_EQ(ZALMPVersion::kAll.size(), kLayouts.size());
  for (std::size_t i = 0; i < kLayouts.size(); ++i) EXPECT_EQ(ZALMPVersion::kAll[i], kLayouts[i].version) << i;
}

// Each element below holds what every version could hold; the reader of a
// version takes only what its layout has.
TEST_P(VersionGates, ReadersTakeWhatTheVersionHolds)
{
  const Layout& layout = GetParam();
  ReportCapture reports;  // the hand-written elements lack parts that are reported
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create();
  body->Deserialize(
      Document(layout.version, "<Body id=\"b\" name=\"b\" isActive=\"no\"><OutOfWorld>true</OutOfWorld></Body>").get(),
      {});
  EXPECT_EQ(!layout.activeFlag, body->IsActive());
  bool outOfWorld = false;
  body->IsOutOfWorld(outOfWorld);
  EXPECT_EQ(layout.outOfWorld, outOfWorld);

  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create();
  EXPECT_EQ(S_OK,
            variable->Deserialize(Document(layout.version,
                                           "<Variable id=\"v\" name=\"v\" value=\"1\" minvalue=\"-1\" maxvalue=\"3\">"
                                           "<Value><HasValue>true</HasValue><Value>2</Value></Value>"
                                           "<MaxValue><HasMaxValue>false</HasMaxValue></MaxValue>"
                                           "<MinValue><HasMinValue>false</HasMinValue></MinValue>"
                                           "<MaxLimitRestitution><HasMaxLimitRestitution>false</HasMaxLimitRestitution>"
                                           "</MaxLimitRestitution><MinLimitRestitution><HasMinLimitRestitution>false"
                                           "</HasMinLimitRestitution></MinLimitRestitution>"
                                           "<PhysicalQuantity>1</PhysicalQuantity><Type>2</Type></Variable>")
                                      .get(),
                                  {}));
  double value = 0.0, minimum = 0.0;
  variable->GetValue(value);
  variable->GetMinValue(minimum);
  EXPECT_EQ(layout.grouped ? 2.0 : 1.0, value);
  EXPECT_EQ(layout.grouped, variable->HasValue());
  EXPECT_EQ(layout.grouped ? 0.0 : -1.0, minimum);
  // The grouped layout reads names, in which "1" and "2" are no quantity and no type.
  EXPECT_EQ(layout.grouped ? ZALMPPhysicalQuantity::NoPhysicalQuantity : ZALMPPhysicalQuantity::Length,
            variable->GetPhysicalQuantity());
  EXPECT_EQ(layout.olderType && !layout.grouped ? ZALMPVariableType::Controlled : ZALMPVariableType::Free,
            variable->GetType());

  for (const bool byName : {false, true}) {
    const RVLSharedHandle<ZALMPConstant> constant = ZALMPConstant::create();
    const std::string quantity = byName ? "Mass" : "2";
    const HRESULT read =
        constant->Deserialize(Document(layout.version, "<Constant id=\"c\" name=\"c\"><PhysicalQuantity>" + quantity +
                                                           "</PhysicalQuantity><Value>1.5</Value></Constant>")
                                  .get(),
                              {});
    ZALMPPhysicalQuantity::Enum got = ZALMPPhysicalQuantity::NoPhysicalQuantity;
    constant->GetPhysicalQuantity(got);
    const bool taken = byName == layout.quantityByName;
    EXPECT_EQ(taken ? S_OK : E_FAIL, read) << quantity;
    EXPECT_EQ(taken ? ZALMPPhysicalQuantity::Mass : ZALMPPhysicalQuantity::NoPhysicalQuantity, got) << quantity;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryVersion, VersionGates, ::testing::ValuesIn(kLayouts), [](const auto& info) {
  std::string name(info.param.version.begin(), info.param.version.end());
  for (char& c : name)
    if (c == '.') c = '_';
  return name;
});

}  // namespace
