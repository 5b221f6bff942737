// The common part every entity writes into its own element, and how its reader
// takes hand-written elements, odd ones included. A saved world of every kind
// (the kind conformance test) pins the identifier, name and active flag and
// their version gates; what is left here are the parameter and state lists and
// the reader's rules.

#include "ZALMPEntityTestDoubles.h"
#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"
#include "ZALMPXmlOutline.h"

#include <ZALMPVersion.h>

#include <RVLEInvalidCast.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kEntitySource = "ZALMPEntity.m/src/ZALMPEntity";
const std::string kTreeSource = "ZALMPSerialization.m/src/ZALMPDeserializer";

// Writes the common part of `entity` into an element "E"; `outline`, when
// given, receives the written document's outline.
std::unique_ptr<ZALMPXmlReader> WriteCommonPart(const ZALMPEntity& entity, std::string* outline = nullptr)
{
  ZALMPXmlWriter root;
  root.SetVersion(ZALMPVersion::kNewest);
  ZALMPSerializer* own = nullptr;
  root.AddElement(L"E", own);
  entity.Serialize(own);
  if (outline) *outline = XmlOutline(root);
  return ReadBack(root);
}

const ZALMPDeserializer* Own(const std::unique_ptr<ZALMPXmlReader>& root)
{
  ZALMPDeserializer* own = nullptr;
  root->GetElement(L"E", own);
  return own;
}

TEST(EntityCommonPart, ListsAreWrittenByReferenceAndReadBackInOrder)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> source = TestEntity::create(L"E"), part = TestEntity::create(L"part");
  const RVLSharedHandle<TestParameter> p1 = TestParameter::create(L"p1"), p2 = TestParameter::create(L"p2");
  const RVLSharedHandle<TestState> state = TestState::create(L"s");
  source->AddParameter(p1);
  source->AddParameter(p2);
  source->AddState(state);
  source->AddAggregatedElement(part);

  std::string outline;
  const auto tree = WriteCommonPart(*source, &outline);
  EXPECT_EQ(
      "E[id,name,isActive](Parameters(Parameter[id,name],Parameter[id,name]),States(State[id,name]),"
      "AggregatedElements(Element[id,name]))",
      outline);
  ZALMPIdentifierMap ids;
  for (const RVLSharedHandle<ZALMPEntity>& entity : RVLSharedVector<ZALMPEntity>{p1, p2, state, part}) {
    std::wstring id;
    entity->GetIdentifier(id);
    ids[id] = entity;
  }

  const RVLSharedHandle<TestEntity> read = TestEntity::create(L"");
  EXPECT_EQ(S_OK, read->Deserialize(Own(tree), ids));
  ASSERT_EQ(2, read->GetParameterCount());
  RVLSharedHandle<ZALMPParameter> parameter;
  read->GetParameter(1, parameter);
  EXPECT_TRUE(parameter == p2) << "list order survives";
  RVLSharedHandle<ZALMPState> readState;
  read->GetState(0, readState);
  EXPECT_TRUE(readState == state);
  EXPECT_EQ(1, read->GetAggregatedElementCount());
  EXPECT_EQ(0, reports.Count());
}

// A hand-written element "E" and what reading it does to an entity.
struct ReadCase {
  const char* version;  // of the document; empty for none (the newest)
  const char* element;
  bool activeBefore;
  bool activeAfter;
  std::vector<std::string> reports;  // source files, in order
  bool identified = false;           // the entity has made its identifier before
};

TEST(EntityCommonPart, ReaderTakesOnlyYesAndNoAndReportsWhatIsMissing)
{
  const std::string named = "<E id=\"e\" name=\"n\" ";
  const std::vector<ReadCase> cases = {
      {"", "isActive=\"no\"/>", true, false, {}},
      {"", "isActive=\"yes\"/>", false, true, {}},
      // Any other text changes nothing, without a report.
      {"", "isActive=\"YES\"/>", false, false, {}},
      {"", "isActive=\"No\"/>", true, true, {}},
      {"", "isActive=\"true\"/>", false, false, {}},
      {"", "/>", false, false, {kTreeSource}},
      // Before R2017.1 there is no flag: the reader keeps its own and asks for none.
      {"R2017.0", "isActive=\"yes\"/>", false, false, {}},
      {"R2017.0", "/>", false, false, {}},
      // A group without items, an item without an identifier, an identifier the map does not hold.
      {"", "isActive=\"yes\"><Parameters/></E>", true, true, {kEntitySource}},
      {"", "isActive=\"yes\"><States><State name=\"s\"/></States></E>", true, true, {kTreeSource}},
      {"", "isActive=\"yes\"><AggregatedElements><Element id=\"unknown\"/></AggregatedElements></E>", true, true, {}},
      // An identifier once made never changes: the one read is reported and dropped.
      {"", "isActive=\"yes\"/>", true, true, {kEntitySource}, true},
  };
  for (const ReadCase& c : cases) {
    const std::string version = *c.version ? std::string(" xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"") +
                                                 c.version + "\""
                                           : "";
    const std::string text = "<Doc" + version + ">" + named + c.element + "</Doc>";
    SCOPED_TRACE(text);
    std::unique_ptr<ZALMPXmlReader> document;
    ASSERT_TRUE(ZALMPXmlCodec::Read(text, document).Ok());
    ZALMPDeserializer* own = nullptr;
    document->GetElement(L"E", own);
    const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"");
    if (!c.activeBefore) entity->Deactivate();
    std::wstring identifier = L"e", read;
    if (c.identified) entity->GetIdentifier(identifier);
    ReportCapture reports;
    EXPECT_EQ(S_OK, entity->Deserialize(own, {}));
    EXPECT_EQ(c.activeAfter, entity->IsActive());
    EXPECT_EQ(c.reports, reports.Files());
    entity->GetIdentifier(read);
    EXPECT_EQ(identifier, read);
    EXPECT_EQ(L"n", entity->getEntityName());
    EXPECT_EQ(0, entity->GetParameterCount() + entity->GetStateCount() + entity->GetAggregatedElementCount());
    EXPECT_EQ(S_OK, entity->Deserialize(nullptr, {}));
    EXPECT_EQ(S_OK, entity->Serialize(nullptr));
  }
}

TEST(EntityCommonPart, AReferenceToTheWrongKindRaisesAnInvalidCast)
{
  const RVLSharedHandle<TestEntity> source = TestEntity::create(L"E");
  const RVLSharedHandle<TestParameter> parameter = TestParameter::create(L"p");
  source->AddParameter(parameter);
  const auto tree = WriteCommonPart(*source);
  std::wstring id;
  parameter->GetIdentifier(id);
  const ZALMPIdentifierMap ids = {{id, TestEntity::create(L"not a parameter")}};
  EXPECT_THROW(TestEntity::create(L"")->Deserialize(Own(tree), ids), RVLEInvalidCast);
}

}  // namespace
