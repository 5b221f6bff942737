#include "ZALMPEntityTestDoubles.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"
#include "ZALMPXmlOutline.h"

#include <ZALMPEntity.h>
#include <ZALMPState.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>
#include <RVLEInvalidCast.h>
#include <ZALBaseUnknown.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CountedHostObject : public ZALBaseUnknown {};

// An identifier as each switch makes it is checked by the identifier switch
// test; one given to an entity is pinned by the kept documents of the kind
// conformance test.
TEST(EntityIdentifier, IsFixedOnceMadeAndIsNotTheID)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"Body.1");
  std::wstring made, after;
  ASSERT_EQ(S_OK, entity->GetIdentifier(made));
  EXPECT_EQ(E_FAIL, entity->SetIdentifier(L"other"));
  EXPECT_EQ(1, reports.Count());
  entity->GetIdentifier(after);
  EXPECT_EQ(made, after);
  EXPECT_EQ(ZALString("Body.1"), entity->GetID()) << "GetID is the name, not the identifier";
}

// Identifiers the library makes are short and ASCII; any other text given is
// kept as exactly, on either side of the length and the range kept inline.
TEST(EntityIdentifier, KeepsEveryTextItIsGivenExactly)
{
  const std::wstring inlineLongest = L"id" + std::wstring(46, L'7');
  const std::vector<std::wstring> given = {
      L"",
      L"id87BA8009-AB49-4CBE-8F56-EE0CC801B772",
      inlineLongest,
      inlineLongest + L"8",
      L"K\u00f6rper.1",
      std::wstring(L"id\u0080"),
      std::wstring(L"a\0b", 3),
      L"\U0001F600" + std::wstring(60, L'x'),
  };
  for (const std::wstring& id : given) {
    ReportCapture reports;
    const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"E");
    ASSERT_EQ(S_OK, entity->SetIdentifier(id));
    std::wstring kept = L"left over";
    EXPECT_EQ(S_OK, entity->GetIdentifier(kept));
    EXPECT_EQ(id, kept) << kept.size() << " units kept of " << id.size();
    EXPECT_EQ(E_FAIL, entity->SetIdentifier(L"other"));
    entity->GetIdentifier(kept);
    EXPECT_EQ(id, kept);
  }
}

// The three lists are link lists, whose rules (duplicates, empty handles,
// indices outside) are checked once for every list kind (ExpectLinkListBehaviour);
// a listing with descendants and a search that finds are the attribute test's.
TEST(EntityLists, AllParametersAnswerForTheLastThatCouldBeListed)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"E");
  RVLSharedVector<ZALMPParameter> all(1);  // appended to, not cleared
  EXPECT_EQ(S_FALSE, entity->GetAllParameters(all));
  EXPECT_EQ(1u, all.size());

  const RVLSharedHandle<TestParameter> root = TestParameter::create(L"root"), broken = TestParameter::create(L"broken");
  root->children = {TestParameter::create(L"child")};
  broken->failListing = true;
  entity->AddParameter(root);
  entity->AddParameter(TestParameter::create(L"plain"));
  EXPECT_EQ(S_FALSE, entity->GetAllParameters(all)) << "the last parameter has no descendants";
  entity->AddParameter(broken);
  all.clear();
  EXPECT_EQ(S_FALSE, entity->GetAllParameters(all)) << "one that cannot list is reported and passed over";
  EXPECT_EQ(4u, all.size());
  EXPECT_EQ(1, reports.Count());

  RVLSharedHandle<ZALMPParameter> found = root;
  EXPECT_EQ(E_FAIL, entity->GetParameter(ZALString("none"), found));
  EXPECT_TRUE(found == root) << "untouched when nothing matches";

  // A descendant of another kind cannot be listed as a parameter.
  root->children.push_back(ZALMPState::create(L"intruder"));
  EXPECT_THROW(entity->GetAllParameters(all), RVLEInvalidCast);
}

TEST(EntityActivation, CallsTheLoaderOnlyOnAChange)
{
  std::vector<std::string> calls;
  {
    const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"E");
    EXPECT_TRUE(entity->IsActive());
    EXPECT_EQ(S_OK, entity->Deactivate()) << "without a loader";
    EXPECT_EQ(S_OK, entity->Activate());
    entity->SetLoader(new RecordingLoader(calls, S_FALSE));
    EXPECT_EQ(S_OK, entity->Activate()) << "already active: the loader is not asked";
    EXPECT_EQ(S_FALSE, entity->Deactivate());
    EXPECT_FALSE(entity->IsActive());
    EXPECT_EQ(S_OK, entity->Deactivate());
    EXPECT_EQ(S_FALSE, entity->Activate());
    EXPECT_EQ((std::vector<std::string>{"deactivate", "activate"}), calls);
  }
  EXPECT_EQ("deleted", calls.back()) << "the entity owns its loader";
}

TEST(EntityModelObject, HoldsOneReferenceAndGivesOneToTheCaller)
{
  ReportCapture reports;
  CountedHostObject* object = new CountedHostObject();
  object->AddRef();
  {
    const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"E");
    ZALBaseUnknown* got = object;
    EXPECT_EQ(E_FAIL, entity->GetModelObject(got));
    EXPECT_EQ(nullptr, got);
    EXPECT_EQ(E_FAIL, entity->SetModelObject(nullptr));
    EXPECT_EQ(1, reports.Count());
    EXPECT_EQ(S_OK, entity->SetModelObject(object));
    ASSERT_EQ(S_OK, entity->GetModelObject(got));
    EXPECT_EQ(object, got);
    EXPECT_EQ(3u, object->GetRefCount()) << "one for the entity, one for the caller";
    got->Release();
  }
  EXPECT_EQ(1u, object->GetRefCount());
  object->Release();
}

// A copy without identifier is checked by the kind conformance test, which
// numbers the copies of a copied world.
TEST(EntityClone, CopiesTheNameAndStartsTheCommonPartAfresh)
{
  const RVLSharedHandle<TestEntity> source = TestEntity::create(L"Body.1");
  source->SetBuildingMode(static_cast<ZALMPBuildingMode::Enum>(3));
  source->Deactivate();
  source->AddParameter(TestParameter::create(L"p"));
  source->AddAggregatedElement(TestEntity::create(L"part"));

  const RVLSharedHandle<TestEntity> copy = TestEntity::clone(source, RVLDynamicObject::DeepCopy);
  ASSERT_TRUE(copy && !(copy == source));
  EXPECT_EQ(L"Body.1", copy->getEntityName());
  ZALMPBuildingMode::Enum mode;
  copy->GetBuildingMode(mode);
  EXPECT_EQ(ZALMPBuildingMode::Default, mode);
  EXPECT_TRUE(copy->IsActive());
  EXPECT_EQ(0, copy->GetParameterCount() + copy->GetAggregatedElementCount());
  EXPECT_FALSE(TestEntity::clone(nullptr, RVLDynamicObject::DeepCopy));
}

TEST(EntityLifecycle, DestroyOrphansOnceAndNullsTheHandle)
{
  RVLSharedHandle<TestEntity> entity = TestEntity::create(L"E");
  const RVLSharedHandle<TestEntity> other = entity;
  TestEntity::destroy(entity);
  EXPECT_FALSE(entity);
  EXPECT_FALSE(other.IsAlive());
  EXPECT_EQ(1, other->removeParentCalls);
  EXPECT_EQ(1, other->clearContainersCalls);
  other->orphanObject();
  EXPECT_EQ(1, other->removeParentCalls) << "a second orphaning does nothing";
}

// A filed entity reaching its model world is checked by the world ownership test.
TEST(EntityWorld, IsFoundThroughTheHostWorldExtension)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"E");
  bool inWorld = true;
  EXPECT_EQ(S_OK, entity->IsInWorld(inWorld));
  EXPECT_FALSE(inWorld);
  RVLSharedHandle<ZALMPWorld> world;
  EXPECT_EQ(E_FAIL, entity->GetWorld(world));
  EXPECT_FALSE(world);

  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"BasicWorld");
  host->addLogicalChild(entity);
  EXPECT_EQ(S_OK, entity->IsInWorld(inWorld));
  EXPECT_TRUE(inWorld);
  EXPECT_EQ(E_FAIL, entity->GetWorld(world)) << "a host world without a model world";
  EXPECT_EQ(2, reports.Count());
  RVLBasicWorld::destroy(host);
}

TEST(EntityNotification, UpdatePostsEventNineAlone)
{
  struct Listener {
    RVLEventSet seen;
    void OnEvent(const RVLSharedConstPointer<RVLNotificationAgent>&, const RVLEventSet& events) { seen |= events; }
  } listener;
  const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"E");
  entity->addSubscriber(RVLNotificationAgent::Functor::Bind(&listener, &Listener::OnEvent), RVLEventSet().set(), -1);
  entity->NotifyUpdate();
  EXPECT_EQ(RVLEventSet().set(9), listener.seen);
}

// The common part every entity writes into its own element, and how its reader
// takes hand-written elements, odd ones included. A saved world of every kind
// (the kind conformance test) pins the identifier, name and active flag and
// their version gates; what is left here are the parameter and state lists and
// the reader's rules.

// The document of the common part of `entity`, written into an element "E".
std::string CommonPart(const ZALMPEntity& entity)
{
  ZALMPXmlWriter root;
  ZALMPSerializer* own = nullptr;
  root.AddElement(L"E", own);
  entity.Serialize(own);
  return ZALMPXmlCodec::Write(root);
}

TEST(EntityCommonPart, ListsAreWrittenByReferenceAndReadBackInOrderAsTheirOwnKind)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> source = TestEntity::create(L"E"), part = TestEntity::create(L"part");
  const RVLSharedHandle<TestParameter> p1 = TestParameter::create(L"p1"), p2 = TestParameter::create(L"p2");
  const RVLSharedHandle<ZALMPState> state = ZALMPState::create(L"s");
  source->AddParameter(p1);
  source->AddParameter(p2);
  source->AddState(state);
  source->AddAggregatedElement(part);
  const std::string xml = CommonPart(*source);
  EXPECT_EQ(
      "E[id,name,isActive](Parameters(Parameter[id,name],Parameter[id,name]),States(State[id,name]),"
      "AggregatedElements(Element[id,name]))",
      XmlOutline(xml));

  const auto tree = ReadXml(xml);
  ZALMPDeserializer* element = nullptr;
  tree->GetElement(L"E", element);
  const RVLSharedHandle<TestEntity> read = TestEntity::create(L"");
  EXPECT_EQ(S_OK, read->Deserialize(element, IdsOf({p1, p2, state, part})));
  EXPECT_EQ(xml, CommonPart(*read)) << "the same entities in the same order";
  EXPECT_EQ(0, reports.Count());

  // A reference to an entity of another kind than its list's.
  ZALMPIdentifierMap wrongKind = IdsOf({p1});
  wrongKind.begin()->second = part;
  EXPECT_THROW(TestEntity::create(L"")->Deserialize(element, wrongKind), RVLEInvalidCast);
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
  const std::string entitySource = "ZALMPEntity.m/src/ZALMPEntity";
  const std::string treeSource = "ZALMPSerialization.m/src/ZALMPDeserializer";
  const std::vector<ReadCase> cases = {
      {"", "isActive=\"yes\"/>", false, true, {}},
      // Any other text changes nothing, without a report.
      {"", "isActive=\"YES\"/>", false, false, {}},
      {"", "isActive=\"No\"/>", true, true, {}},
      {"", "isActive=\"true\"/>", false, false, {}},
      {"", "/>", false, false, {treeSource}},
      // Before R2017.1 there is no flag: the reader keeps its own and asks for none.
      {"R2017.0", "isActive=\"yes\"/>", false, false, {}},
      {"R2017.0", "/>", false, false, {}},
      // A group without items, an item without an identifier, an identifier the map does not hold.
      {"", "isActive=\"yes\"><Parameters/></E>", true, true, {entitySource}},
      {"", "isActive=\"yes\"><States><State name=\"s\"/></States></E>", true, true, {treeSource}},
      {"", "isActive=\"yes\"><AggregatedElements><Element id=\"unknown\"/></AggregatedElements></E>", true, true, {}},
      // An identifier once made never changes: the one read is reported and dropped.
      {"", "isActive=\"yes\"/>", true, true, {entitySource}, true},
  };
  for (const ReadCase& c : cases) {
    const std::string version =
        *c.version ? std::string(" xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"") + c.version + "\"" : "";
    const std::string text = "<Doc" + version + "><E id=\"e\" name=\"n\" " + c.element + "</Doc>";
    SCOPED_TRACE(text);
    const auto document = ReadXml(text);
    ASSERT_TRUE(document);
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
    EXPECT_EQ(0, entity->GetParameterCount() + entity->GetStateCount() + entity->GetAggregatedElementCount());
  }
  EXPECT_EQ(S_OK, TestEntity::create(L"")->Deserialize(nullptr, {}));
  EXPECT_EQ(S_OK, TestEntity::create(L"")->Serialize(nullptr));
}

}  // namespace
