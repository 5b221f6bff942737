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

TEST(EntityIdentifier, IsMadeOnceAndThenFixed)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"Body.1");
  std::wstring first, again;
  ASSERT_EQ(S_OK, entity->GetIdentifier(first));
  ASSERT_EQ(S_OK, entity->GetIdentifier(again));
  EXPECT_EQ(first, again);
  EXPECT_EQ(E_FAIL, entity->SetIdentifier(L"other"));
  EXPECT_EQ(1, reports.Count());
  ASSERT_EQ(S_OK, entity->GetIdentifier(again));
  EXPECT_EQ(first, again);
  EXPECT_EQ(ZALString("Body.1"), entity->GetID()) << "GetID is the name, not the identifier";

  const RVLSharedHandle<TestEntity> restored = TestEntity::create(L"");
  EXPECT_EQ(S_OK, restored->SetIdentifier(L"id42"));
  ASSERT_EQ(S_OK, restored->GetIdentifier(again));
  EXPECT_EQ(L"id42", again);
}

TEST(EntityLists, KeepInsertionOrderAndRefuseDuplicatesAndEmptyHandles)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"E");
  const RVLSharedHandle<ZALMPParameter> p1 = TestParameter::create(L"p1");
  const RVLSharedHandle<ZALMPParameter> p2 = TestParameter::create(L"p2");

  EXPECT_EQ(S_OK, entity->AddParameter(p1));
  EXPECT_EQ(S_OK, entity->AddParameter(p2));
  EXPECT_EQ(S_FALSE, entity->AddParameter(p1));
  EXPECT_EQ(E_FAIL, entity->AddParameter(nullptr));
  EXPECT_EQ(2, entity->GetParameterCount());
  EXPECT_EQ(1, reports.Count()) << "only the empty handle is reported";

  RVLSharedHandle<ZALMPParameter> got;
  ASSERT_EQ(S_OK, entity->GetParameter(1, got));
  EXPECT_TRUE(got == p2);
  for (int index : {-1, 2}) {
    got = p1;
    EXPECT_EQ(E_FAIL, entity->GetParameter(index, got)) << index;
    EXPECT_FALSE(got) << index;
  }

  const RVLSharedHandle<ZALMPEntity> part = TestEntity::create(L"part");
  EXPECT_EQ(S_OK, entity->AddAggregatedElement(part));
  EXPECT_EQ(S_FALSE, entity->AddAggregatedElement(part));
  EXPECT_EQ(S_OK, entity->AddState(TestState::create(L"s")));
  EXPECT_EQ(1, entity->GetAggregatedElementCount());
  EXPECT_EQ(1, entity->GetStateCount());
}

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
  entity->AddParameter(root);
  EXPECT_EQ(S_OK, entity->GetAllParameters(all)) << "the last parameter had descendants";
  ASSERT_EQ(3u, all.size());
  EXPECT_TRUE(all[0] == root);
  EXPECT_TRUE(all[1] == child);
  EXPECT_TRUE(all[2] == leaf);

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
    EXPECT_EQ(2u, object->GetRefCount());
    ASSERT_EQ(S_OK, entity->GetModelObject(got));
    EXPECT_EQ(object, got);
    EXPECT_EQ(3u, object->GetRefCount());
    got->Release();
  }
  EXPECT_EQ(1u, object->GetRefCount());
  object->Release();
}

TEST(EntityClone, CopiesTheNameAndStartsTheCommonPartAfresh)
{
  const RVLSharedHandle<TestEntity> source = TestEntity::create(L"Body.1");
  std::wstring sourceId;
  source->GetIdentifier(sourceId);
  source->SetBuildingMode(static_cast<ZALMPBuildingMode::Enum>(3));
  source->Deactivate();
  source->AddParameter(TestParameter::create(L"p"));
  source->AddAggregatedElement(TestEntity::create(L"part"));

  const RVLSharedHandle<TestEntity> copy = TestEntity::clone(source, RVLDynamicObject::DeepCopy);
  ASSERT_TRUE(copy);
  EXPECT_FALSE(copy == source);
  EXPECT_EQ(L"Body.1", copy->getEntityName());
  std::wstring copyId;
  copy->GetIdentifier(copyId);
  EXPECT_NE(sourceId, copyId);
  ZALMPBuildingMode::Enum mode;
  copy->GetBuildingMode(mode);
  EXPECT_EQ(ZALMPBuildingMode::Default, mode);
  EXPECT_TRUE(copy->IsActive());
  EXPECT_EQ(0, copy->GetParameterCount());
  EXPECT_EQ(0, copy->GetAggregatedElementCount());
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

TEST(EntityNotification, UpdatePostsEventNineToSubscribers)
{
  struct Listener {
    std::vector<RVLEventSet> seen;
    void OnEvent(const RVLSharedConstPointer<RVLNotificationAgent>&, const RVLEventSet& events) { seen.push_back(events); }
  } listener;
  const RVLSharedHandle<TestEntity> entity = TestEntity::create(L"E");
  RVLEventSet updates;
  updates.set(ZALMPEntity::kUpdateEvent);
  const auto functor = RVLNotificationAgent::Functor::Bind(&listener, &Listener::OnEvent);
  entity->addSubscriber(functor, updates, -1);
  entity->NotifyUpdate();
  ASSERT_EQ(1u, listener.seen.size());
  EXPECT_TRUE(listener.seen[0].test(9));
  EXPECT_EQ(1u, listener.seen[0].count());
}

}  // namespace
