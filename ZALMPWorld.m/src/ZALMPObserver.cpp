#define ZALMP_SOURCE_FILE "ZALMPWorld.m/src/ZALMPObserver"
#include <ZALMPAssertionReport.h>

#include "ZALMPWorldKinds.h"

#include <ZALMPEntity.h>
#include <ZALMPObserver.h>
#include <ZALMPWorld.h>

#include <RVLEAlreadyRegistered.h>

#include <cstddef>
#include <new>
#include <type_traits>

ZALMP_DEFINE_CLASS(ZALMPObserver, RVLNotificationAgent);

namespace {

// Registers `functor` with the agent of `entity` and files the entity among
// `subscribed`; on any refusal the list is left as it was.
template <class T>
HRESULT Listen(const RVLSharedHandle<T>& entity, const RVLNotificationAgent::Functor& functor,
               const RVLEventSet& mask, RVLSharedVector<T>& subscribed)
{
  if (!entity) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  const std::size_t before = subscribed.size();
  HRESULT status = S_OK;
  try {
    // Filed first: once the agent holds the functor, nothing left can fail.
    subscribed.push_back(entity);
    entity->addSubscriber(functor, mask, -1);
    return S_OK;
  } catch (const RVLEAlreadyRegistered&) {
    status = S_FALSE;
  } catch (const std::bad_alloc&) {
    ZALMP_REPORT();
    status = E_OUTOFMEMORY;
  }
  if (subscribed.size() > before) subscribed.pop_back();
  return status;
}

// Removes `functor` from the agent of every entity of `subscribed`, then empties it.
template <class T>
void StopListening(const RVLNotificationAgent::Functor& functor, RVLSharedVector<T>& subscribed)
{
  for (const RVLSharedHandle<T>& entity : subscribed) {
    if (!entity) {
      ZALMP_REPORT();
      continue;
    }
    entity->removeSubscriber(functor);
  }
  subscribed.clear();
}

// Listens to every entity of kind T in `world`. Only the outcome for the last
// index counts for the kind, as a world walk goes on past a bad entity.
template <class T>
void SubscribeKind(ZALMPObserver& observer, const ZALMPWorld& world)
{
  HRESULT outcome = S_OK;
  const int count = world.Count<T>();
  for (int index = 0; index < count; ++index) {
    RVLSharedHandle<T> entity;
    if (world.Get<T>(index, entity) != S_OK) ZALMP_REPORT();
    outcome = observer.Subscribe<T>(entity);
  }
  if (FAILED(outcome)) ZALMP_REPORT();
}

}  // namespace

template <class T>
void ZALMPObserver::ChangeList<T>::Add(const RVLSharedHandle<T>& entity)
{
  if (!listed.insert(entity.get()).second) return;
  try {
    entities.push_back(entity);
  } catch (...) {
    listed.erase(entity.get());
    throw;
  }
}

template <class T>
void ZALMPObserver::ChangeList<T>::Clear()
{
  entities.clear();
  listed.clear();
}

template <class T>
HRESULT ZALMPObserver::ChangeList<T>::Get(int index, RVLSharedHandle<T>& entity) const
{
  entity.Release();
  if (index < 0 || static_cast<std::size_t>(index) >= entities.size()) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  entity = entities[static_cast<std::size_t>(index)];
  return S_OK;
}

ZALMPObserver::ZALMPObserver()
    : m_bodyFunctor(Functor::Bind(this, &ZALMPObserver::onBodyMoved)),
      m_entityFunctor(Functor::Bind(this, &ZALMPObserver::onEntityModified))
{
  m_bodyEventMask.set(ZALMPEntity::kUpdateEvent);
  m_entityEventMask.set(ZALMPEntity::kUpdateEvent);
}

// The agents hold this observer's functors uncounted: they must all be gone
// before the observer is.
ZALMPObserver::~ZALMPObserver()
{
  Unsubscribe();
}

RVLSharedHandle<ZALMPObserver> ZALMPObserver::create()
{
  return RVLSharedHandle<ZALMPObserver>(new ZALMPObserver());
}

void ZALMPObserver::orphanObject()
{
  if (isBeingOrphaned()) return;
  Unsubscribe();
  RVLNotificationAgent::orphanObject();
}

HRESULT ZALMPObserver::Subscribe(const RVLSharedHandle<ZALMPWorld>& world)
{
  Unsubscribe();
  if (!world) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  m_world = world;
  ZALMPEntityKinds::ForEach([&]<class T>(std::type_identity<T>) { SubscribeKind<T>(*this, *world); });
  return S_OK;
}

template <class T>
HRESULT ZALMPObserver::Subscribe(const std::type_identity_t<RVLSharedHandle<T>>& entity)
{
  if constexpr (std::is_same_v<T, ZALMPBody>)
    return SubscribeBody(entity);
  else
    return SubscribeEntity(entity);
}

// Subscription exists for the fourteen kinds only.
#define ZALMP_OBSERVER_KIND(T) \
  template ZALMP_EXPORT HRESULT ZALMPObserver::Subscribe<T>(const std::type_identity_t<RVLSharedHandle<T>>&);

ZALMP_OBSERVER_KIND(ZALMPActuator)
ZALMP_OBSERVER_KIND(ZALMPAttribute)
ZALMP_OBSERVER_KIND(ZALMPBody)
ZALMP_OBSERVER_KIND(ZALMPConnector)
ZALMP_OBSERVER_KIND(ZALMPConstraint)
ZALMP_OBSERVER_KIND(ZALMPGeometry)
ZALMP_OBSERVER_KIND(ZALMPInteraction)
ZALMP_OBSERVER_KIND(ZALMPJoint)
ZALMP_OBSERVER_KIND(ZALMPMaterial)
ZALMP_OBSERVER_KIND(ZALMPSensor)
ZALMP_OBSERVER_KIND(ZALMPShape)
ZALMP_OBSERVER_KIND(ZALMPSupport)
ZALMP_OBSERVER_KIND(ZALMPValue)
ZALMP_OBSERVER_KIND(ZALMPVariable)
#undef ZALMP_OBSERVER_KIND

void ZALMPObserver::Unsubscribe()
{
  UnsubscribeBodies();
  UnsubscribeEntities();
  m_world.Release();
}

void ZALMPObserver::Reset()
{
  m_movingBodies[SinceReset].Clear();
  m_modifiedEntities[SinceReset].Clear();
}

std::uint64_t ZALMPObserver::GetMovingBodyCount(SinceWhen when) const
{
  return m_movingBodies[when].entities.size();
}

HRESULT ZALMPObserver::GetMovingBody(int index, RVLSharedHandle<ZALMPBody>& body, SinceWhen when) const
{
  return m_movingBodies[when].Get(index, body);
}

std::uint64_t ZALMPObserver::GetModifiedEntityCount(SinceWhen when) const
{
  return m_modifiedEntities[when].entities.size();
}

HRESULT ZALMPObserver::GetModifiedEntity(int index, RVLSharedHandle<ZALMPEntity>& entity, SinceWhen when) const
{
  return m_modifiedEntities[when].Get(index, entity);
}

HRESULT ZALMPObserver::SubscribeBody(const RVLSharedHandle<ZALMPBody>& body)
{
  return Listen(body, m_bodyFunctor, m_bodyEventMask, m_subscribedBodies);
}

HRESULT ZALMPObserver::SubscribeEntity(const RVLSharedHandle<ZALMPEntity>& entity)
{
  return Listen(entity, m_entityFunctor, m_entityEventMask, m_subscribedEntities);
}

void ZALMPObserver::UnsubscribeBodies()
{
  StopListening(m_bodyFunctor, m_subscribedBodies);
  for (ChangeList<ZALMPBody>& list : m_movingBodies) list.Clear();
}

void ZALMPObserver::UnsubscribeEntities()
{
  StopListening(m_entityFunctor, m_subscribedEntities);
  for (ChangeList<ZALMPEntity>& list : m_modifiedEntities) list.Clear();
}

namespace {

// The agent that posted, as the kind T the observer lists; null (reported)
// when there is none or it is of another kind. The framework hands the sender
// read-only; the observer lists it as the modifiable entity it subscribed to.
template <class T>
RVLSharedHandle<T> Sender(const RVLSharedConstPointer<RVLNotificationAgent>& agent)
{
  const T* sender = dynamic_cast<const T*>(agent.get());
  if (!sender) ZALMP_REPORT();
  return RVLSharedHandle<T>(const_cast<T*>(sender));
}

}  // namespace

// Only the update event is subscribed, so the event set is not examined.
void ZALMPObserver::onBodyMoved(const RVLSharedConstPointer<RVLNotificationAgent>& agent, const RVLEventSet&)
{
  const RVLSharedHandle<ZALMPBody> body = Sender<ZALMPBody>(agent);
  if (!body) return;
  try {
    for (ChangeList<ZALMPBody>& list : m_movingBodies) list.Add(body);
  } catch (const std::bad_alloc&) {
    ZALMP_REPORT();
  }
}

void ZALMPObserver::onEntityModified(const RVLSharedConstPointer<RVLNotificationAgent>& agent, const RVLEventSet&)
{
  const RVLSharedHandle<ZALMPEntity> entity = Sender<ZALMPEntity>(agent);
  if (!entity) return;
  try {
    for (ChangeList<ZALMPEntity>& list : m_modifiedEntities) list.Add(entity);
  } catch (const std::bad_alloc&) {
    ZALMP_REPORT();
  }
}
