// The common part every entity writes into its own element, by name, and how
// its reader takes hand-written elements, odd ones included.

#include "ZALMPEntityTestDoubles.h"
#include "ZALMPTestSupport.h"
#include "ZALMPXmlOutline.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kEntitySource = "ZALMPEntity.m/src/ZALMPEntity";
const std::string kTreeSource = "ZALMPSerialization.m/src/ZALMPDeserializer";

TEST(EntityLayout, CommonPartNamesItsAttributesAndItsThreeReferenceGroups)
{
  const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"Crank");
  ZALMPXmlWriter bare;
  ZALMPSerializer* own = nullptr;
  bare.AddElement(L"E", own);
  entity->Serialize(own);
  EXPECT_EQ("E[id,name,isActive]", XmlOutline(bare));
  EXPECT_NE(std::string::npos, ZALMPXmlCodec::Write(bare).find(" name=\"Crank\" isActive=\"yes\"/>"));

  entity->AddParameter(TestParameter::create(L"p1"));
  entity->AddParameter(TestParameter::create(L"p2"));
  entity->AddState(TestState::create(L"s"));
  entity->AddAggregatedElement(TestEntity::create(L"part"));
  entity->Deactivate();
  ZALMPXmlWriter full;
  own = nullptr;
  full.AddElement(L"E", own);
  entity->Serialize(own);
  EXPECT_EQ(
      "E[id,name,isActive](Parameters(Parameter[id,name],Parameter[id,name]),States(State[id,name]),"
      "AggregatedElements(Element[id,name]))",
      XmlOutline(full));
  EXPECT_NE(std::string::npos, ZALMPXmlCodec::Write(full).find(" isActive=\"no\">"));
}

// A hand-written element "E" and what reading it does to an entity.
struct ReadCase {
  const char* element;
  bool activeBefore;
  bool activeAfter;
  std::vector<std::string> reports;  // source files, in order
};

TEST(EntityLayout, ReaderTakesOnlyYesAndNoAndReportsWhatIsMissing)
{
  const std::string named = "<E id=\"e\" name=\"n\" ";
  const std::vector<ReadCase> cases = {
      {"isActive=\"no\"/>", true, false, {}},
      {"isActive=\"yes\"/>", false, true, {}},
      // Any other text changes nothing, without a report.
      {"isActive=\"YES\"/>", false, false, {}},
      {"isActive=\"No\"/>", true, true, {}},
      {"isActive=\"true\"/>", false, false, {}},
      {"isActive=\"\"/>", true, true, {}},
      {"/>", false, false, {kTreeSource}},
      // A group without items, an item without an identifier, an identifier the map does not hold.
      {"isActive=\"yes\"><Parameters/></E>", true, true, {kEntitySource}},
      {"isActive=\"yes\"><States><State name=\"s\"/></States></E>", true, true, {kTreeSource}},
      {"isActive=\"yes\"><AggregatedElements><Element id=\"unknown\"/></AggregatedElements></E>", true, true, {}},
  };
  for (const ReadCase& c : cases) {
    const std::string text = "<Doc>" + named + c.element + "</Doc>";
    SCOPED_TRACE(text);
    std::unique_ptr<ZALMPXmlReader> document;
    ASSERT_TRUE(ZALMPXmlCodec::Read(text, document).Ok());
    ZALMPDeserializer* own = nullptr;
    document->GetElement(L"E", own);
    const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"");
    if (!c.activeBefore) entity->Deactivate();
    ReportCapture reports;
    EXPECT_EQ(S_OK, entity->Deserialize(own, {}));
    EXPECT_EQ(c.activeAfter, entity->IsActive());
    EXPECT_EQ(c.reports, reports.Files());
    EXPECT_EQ(L"n", entity->getEntityName());
    EXPECT_EQ(0, entity->GetParameterCount() + entity->GetStateCount() + entity->GetAggregatedElementCount());
  }

  // An element without identifier and name, and an identifier on an entity that has one.
  std::unique_ptr<ZALMPXmlReader> document;
  ASSERT_TRUE(
      ZALMPXmlCodec::Read("<Doc><E isActive=\"yes\"/><E id=\"e\" name=\"n\" isActive=\"yes\"/></Doc>", document).Ok());
  std::vector<ZALMPDeserializer*> elements;
  document->GetElements(elements);
  ASSERT_EQ(2u, elements.size());
  const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"kept");
  std::wstring before, after;
  entity->GetIdentifier(before);
  ReportCapture reports;
  EXPECT_EQ(S_OK, entity->Deserialize(elements[0], {}));
  EXPECT_EQ((std::vector<std::string>{kTreeSource, kTreeSource}), reports.Files());
  reports.Clear();
  EXPECT_EQ(S_OK, entity->Deserialize(elements[1], {}));
  EXPECT_EQ((std::vector<std::string>{kEntitySource}), reports.Files());
  entity->GetIdentifier(after);
  EXPECT_EQ(before, after) << "an identifier once made never changes";
  EXPECT_EQ(L"n", entity->getEntityName());
}

}  // namespace
