#include "ZALMPTestSupport.h"
#include "ZALMPWorldFixture.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPObserver.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::wstring>;
constexpr ZALMPObserver::SinceWhen kSinceSubscription = ZALMPObserver::SinceSubscription;
constexpr ZALMPObserver::SinceWhen kSinceReset = ZALMPObserver::SinceReset;

class Observer : public WorldFixture {
protected:
  // Mostly still subscribed when the world goes, and released only afterwards:
  // the sanitizer build proves that this neither crashes nor leaks.
  RVLSharedHandle<ZALMPObserver> observer = ZALMPObserver::create();
  RVLSharedHandle<ZALMPBody> globalBody;
  RVLSharedHandle<ZALMPVariable> globalTime;
  ReportCapture reports;

  void SetUp() override
  {
    world->GetGlobalBody(globalBody);
    world->GetGlobalTime(globalTime);
  }

  Names MovingBodies(ZALMPObserver::SinceWhen when) const
  {
    Names names;
    for (int index = 0; index < static_cast<int>(observer->GetMovingBodyCount(when)); ++index) {
      RVLSharedHandle<ZALMPBody> body;
      EXPECT_EQ(S_OK, observer->GetMovingBody(index, body, when)) << "index " << index;
      names.push_back(body ? body->getEntityName() : L"<null>");
    }
    return names;
  }
  Names ModifiedEntities(ZALMPObserver::SinceWhen when) const
  {
    Names names;
    for (int index = 0; index < static_cast<int>(observer->GetModifiedEntityCount(when)); ++index) {
      RVLSharedHandle<ZALMPEntity> entity;
      EXPECT_EQ(S_OK, observer->GetModifiedEntity(index, entity, when)) << "index " << index;
      names.push_back(entity ? entity->getEntityName() : L"<null>");
    }
    return names;
  }
};

TEST_F(Observer, WorldSubscriptionListsEachUpdateOnceKeepsBodiesApartAndResetsItsSecondLists)
{
  const RVLSharedHandle<ZALMPBody> wheel = ZALMPBody::create(L"Wheel");
  const RVLSharedHandle<ZALMPVariable> stroke = ZALMPVariable::create(L"Stroke");
  ASSERT_EQ(S_OK, world->Add<ZALMPBody>(wheel));
  ASSERT_EQ(S_OK, world->Add<ZALMPVariable>(stroke));
  RVLSharedHandle<ZALMPAxisSystem> globalAxis;
  world->GetGlobalAxisSystem(globalAxis);
  ASSERT_EQ(S_OK, observer->Subscribe(world));

  // the three globals are observed like any other member of the world
  using Updates = std::initializer_list<ZALMPEntity*>;
  for (ZALMPEntity* entity : Updates{wheel.get(), stroke.get(), globalBody.get(), wheel.get(), globalTime.get(),
                                     globalAxis.get(), stroke.get()})
    entity->NotifyUpdate();

  for (const ZALMPObserver::SinceWhen when : {kSinceSubscription, kSinceReset}) {
    EXPECT_EQ((Names{L"Wheel", L"GlobalBody"}), MovingBodies(when)) << "list " << when;
    EXPECT_EQ((Names{L"Stroke", L"GlobalTime", L"GlobalAxisSystem"}), ModifiedEntities(when)) << "list " << when;
  }

  // Reset empties only the since-reset lists; a body already listed since
  // subscription is listed again since the reset.
  observer->Reset();
  EXPECT_EQ(0u, observer->GetModifiedEntityCount(kSinceReset));
  EXPECT_EQ(3u, observer->GetModifiedEntityCount(kSinceSubscription));
  globalBody->NotifyUpdate();
  EXPECT_EQ(Names{L"GlobalBody"}, MovingBodies(kSinceReset));
  EXPECT_EQ((Names{L"Wheel", L"GlobalBody"}), MovingBodies(kSinceSubscription));

  // an index outside a list fails, is reported and leaves a null handle
  for (const int index : {-1, 1}) {
    RVLSharedHandle<ZALMPBody> body = globalBody;
    EXPECT_EQ(E_FAIL, observer->GetMovingBody(index, body, kSinceReset)) << "index " << index;
    EXPECT_FALSE(body) << "index " << index;
  }
  EXPECT_EQ(2, reports.Count());
}

TEST_F(Observer, SingleSubscriptionsAddUpUntilTheWorldIsSubscribedAgain)
{
  const RVLSharedHandle<ZALMPBody> crank = ZALMPBody::create(L"Crank");
  const RVLSharedHandle<ZALMPVariable> stroke = ZALMPVariable::create(L"Stroke");
  ASSERT_EQ(S_OK, observer->Subscribe<ZALMPBody>(crank));
  crank->NotifyUpdate();
  ASSERT_EQ(S_OK, observer->Subscribe<ZALMPVariable>(stroke));
  EXPECT_EQ(S_FALSE, observer->Subscribe<ZALMPBody>(crank));
  crank->NotifyUpdate();
  stroke->NotifyUpdate();
  EXPECT_EQ(Names{L"Crank"}, MovingBodies(kSinceSubscription));
  EXPECT_EQ(Names{L"Stroke"}, ModifiedEntities(kSinceSubscription));
  EXPECT_EQ(E_FAIL, observer->Subscribe<ZALMPVariable>(nullptr));

  // the world subscription starts over: neither the former entities nor one
  // filed afterwards are observed
  ASSERT_EQ(S_OK, observer->Subscribe(world));
  EXPECT_EQ(0u, observer->GetMovingBodyCount(kSinceSubscription));
  const RVLSharedHandle<ZALMPBody> late = ZALMPBody::create(L"Late");
  ASSERT_EQ(S_OK, world->Add<ZALMPBody>(late));
  for (ZALMPBody* body : {crank.get(), late.get(), globalBody.get()}) body->NotifyUpdate();
  EXPECT_EQ(Names{L"GlobalBody"}, MovingBodies(kSinceSubscription));

  observer->Unsubscribe();
  globalBody->NotifyUpdate();
  EXPECT_EQ(0u, observer->GetMovingBodyCount(kSinceSubscription));

  ASSERT_EQ(S_OK, observer->Subscribe(world));
  EXPECT_EQ(E_FAIL, observer->Subscribe(RVLSharedHandle<ZALMPWorld>()));
  EXPECT_EQ(0, globalBody->getSubscriberCount()) << "a null world leaves nothing observed";
  EXPECT_EQ(2, reports.Count());
}

TEST(ObserverLifetime, NoNoticeReachesAReleasedOrOrphanedObserver)
{
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Survivor");
  RVLSharedHandle<ZALMPObserver> released = ZALMPObserver::create();
  ASSERT_EQ(S_OK, released->Subscribe<ZALMPBody>(body));
  released.Release();
  body->NotifyUpdate();  // would reach freed memory if the observer still listened
  EXPECT_EQ(0, body->getSubscriberCount());

  RVLSharedHandle<ZALMPObserver> orphaned = ZALMPObserver::create();
  const RVLSharedHandle<ZALMPObserver> keeper = orphaned;
  ASSERT_EQ(S_OK, orphaned->Subscribe<ZALMPBody>(body));
  ZALMPObserver::destroy(orphaned);
  body->NotifyUpdate();
  EXPECT_EQ(0u, keeper->GetMovingBodyCount(kSinceSubscription));
}

}  // namespace
