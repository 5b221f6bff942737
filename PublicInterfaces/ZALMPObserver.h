#pragma once
#include "ZALMPClassIdentity.h"
#include "ZALMPExport.h"

#include <RVLNotificationAgent.h>
#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>
#include <ZALStatus.h>

#include <array>
#include <cstdint>
#include <type_traits>
#include <unordered_set>

class ZALMPBody;
class ZALMPEntity;
class ZALMPWorld;

/// Listens to the entities of one world and lists those that reported an
/// update (ZALMPEntity::NotifyUpdate): bodies as moving bodies, every other
/// kind as modified entities. Each list is kept twice, since subscription and
/// since the last Reset, so a caller can poll incrementally and still see the
/// whole picture. Each entity is listed at most once per list, in the order of
/// its first update.
///
/// The observer holds counted handles on every entity it listens to or lists.
/// Releasing or orphaning it stops all listening, so an entity that outlives
/// its observer can still post updates.
class ZALMP_EXPORT ZALMPObserver : public RVLNotificationAgent {
  ZALMP_DECLARE_CLASS(ZALMPObserver, RVLNotificationAgent);

public:
  /// Which of the two answers a query reads.
  enum SinceWhen {
    /// Gathered since the last Subscribe of a whole world or Unsubscribe.
    SinceSubscription = 0,
    /// Gathered since the last Reset, or since subscription when there was none.
    SinceReset = 1
  };

  /// A new observer, listening to nothing.
  static RVLSharedHandle<ZALMPObserver> create();

  ZALMPObserver(const ZALMPObserver&) = delete;
  ZALMPObserver& operator=(const ZALMPObserver&) = delete;
  /// Stops listening and lets go of every handle it holds.
  ~ZALMPObserver() override;

  /// Unless already being orphaned: stops listening and empties every list,
  /// then leaves the host framework's owners.
  void orphanObject() override;

  /// Stops listening to everything, empties every list, then listens to each
  /// entity the world holds now, kind by kind in registry order (the global
  /// body, axis system and time included). Entities added later are not
  /// observed until subscribed. S_OK. E_FAIL: `world` is null (reported); the
  /// observer is then left listening to nothing.
  HRESULT Subscribe(const RVLSharedHandle<ZALMPWorld>& world);

  /// Listens to one entity of kind T (one of the fourteen kinds a world files;
  /// name it explicitly: Subscribe<ZALMPJoint>(joint)). Clears no list.
  /// S_OK: now listening. S_FALSE: already listening to it; nothing changes.
  /// E_FAIL: `entity` is null (reported). E_OUTOFMEMORY (reported).
  template <class T>
  HRESULT Subscribe(const std::type_identity_t<RVLSharedHandle<T>>& entity);

  /// Stops listening to everything, empties every list and forgets the world.
  void Unsubscribe();

  /// Empties the two SinceReset lists (moving bodies and modified entities).
  void Reset();

  std::uint64_t GetMovingBodyCount(SinceWhen when) const;
  /// S_OK and the body at `index` of the list `when`.
  /// E_FAIL (reported) and a null handle: `index` outside the list.
  HRESULT GetMovingBody(int index, RVLSharedHandle<ZALMPBody>& body, SinceWhen when) const;

  std::uint64_t GetModifiedEntityCount(SinceWhen when) const;
  /// As GetMovingBody, on the modified entities.
  HRESULT GetModifiedEntity(int index, RVLSharedHandle<ZALMPEntity>& entity, SinceWhen when) const;

private:
  /// Entities in the order of their first update, each listed once.
  template <class T>
  struct ChangeList {
    /// Appends `entity` unless it is already listed (compared by address).
    void Add(const RVLSharedHandle<T>& entity);
    void Clear();
    HRESULT Get(int index, RVLSharedHandle<T>& entity) const;

    RVLSharedVector<T> entities;
    std::unordered_set<const T*> listed;
  };

  ZALMPObserver();

  HRESULT SubscribeBody(const RVLSharedHandle<ZALMPBody>& body);
  HRESULT SubscribeEntity(const RVLSharedHandle<ZALMPEntity>& entity);
  void UnsubscribeBodies();
  void UnsubscribeEntities();
  void onBodyMoved(const RVLSharedConstPointer<RVLNotificationAgent>& agent, const RVLEventSet& events);
  void onEntityModified(const RVLSharedConstPointer<RVLNotificationAgent>& agent, const RVLEventSet& events);

  RVLSharedHandle<ZALMPWorld> m_world;
  std::array<ChangeList<ZALMPBody>, 2> m_movingBodies;
  RVLSharedVector<ZALMPBody> m_subscribedBodies;
  Functor m_bodyFunctor;
  RVLEventSet m_bodyEventMask;
  std::array<ChangeList<ZALMPEntity>, 2> m_modifiedEntities;
  RVLSharedVector<ZALMPEntity> m_subscribedEntities;
  Functor m_entityFunctor;
  RVLEventSet m_entityEventMask;
};
