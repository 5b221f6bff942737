#include "ZALMPEntityTestDoubles.h"
#include "ZALMPTestSupport.h"

#include <ZALMPEntity.h>
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

// The three lists are link lists, whose rules (duplicates, empty handles,
// indices outside) are checked once for every list kind (ExpectLinkListBehaviour);
// their order is checked by the common part's reading test.
TEST(EntityLists, AllParametersListEachWithItsDescendants)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"E");
  RVLSharedVector<ZALMPParameter> all(1);  // not cleared by the listing
  EXPECT_EQ(S_FALSE, entity->GetAllParameters(all));
  EXPECT_EQ(1u, all.size());
  all.clear();

  const RVLSharedHandle<TestParameter> root = TestParameter::create(L"root");
  const RVLSharedHandle<TestParameter> child = TestParameter::create(L"child");
  const RVLSharedHandle<TestParameter> leaf = TestParameter::create(L"leaf");
  root->children = {child, leaf};
  EXPECT_EQ(S_OK, entity->AddParameter(root));
  EXPECT_EQ(S_OK, entity->GetAllParameters(all)) << "the last parameter had descendants";
  EXPECT_EQ((RVLSharedVector<ZALMPParameter>{root, child, leaf}), all);

  RVLSharedHandle<ZALMPParameter> found;
  EXPECT_EQ(S_OK, entity->GetParameter(ZALString("leaf"), found));
  EXPECT_TRUE(found == leaf);
  found = root;
  EXPECT_EQ(E_FAIL, entity->GetParameter(ZALString("none"), found));
  EXPECT_TRUE(found == root) << "untouched when nothing matches";

  // A last parameter without descendants gives S_FALSE; one that cannot list is reported.
  const RVLSharedHandle<TestParameter> broken = TestParameter::create(L"broken");
  broken->failListing = true;
  entity->AddParameter(TestParameter::create(L"plain"));
  all.clear();
  EXPECT_EQ(S_FALSE, entity->GetAllParameters(all));
  entity->AddParameter(broken);
  all.clear();
  EXPECT_EQ(S_FALSE, entity->GetAllParameters(all)) << "the answer of the last parameter that could be listed";
  EXPECT_EQ(5u, all.size());
  EXPECT_EQ(1, reports.Count());

  // A descendant of another kind cannot be listed as a parameter.
  root->children.push_back(TestState::create(L"intruder"));
  all.clear();
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

}  // namespace
