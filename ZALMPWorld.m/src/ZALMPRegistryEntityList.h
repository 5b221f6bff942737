#pragma once
#include "ZALMPRegistryLiveIndex.h"

#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>

#include <cstdint>
#include <limits>
#include <unordered_map>
#include <utility>
#include <vector>

/// The entity list of a registry: entities in insertion order, where the same
/// entity may be listed more than once. Appending, finding or erasing an
/// entity's first occurrence and reaching the index-th entity never walk the
/// list: erased entries stay behind as vacant slots until they outnumber the
/// live ones, and each entity knows the slots of its occurrences.
template <class T>
class ZALMPRegistryEntityList {
public:
  int Count() const { return m_live.LiveCount(); }
  /// True when `entity` is listed at least once.
  bool Contains(const T* entity) const { return m_occurrences.contains(entity); }
  /// Lists `entity` (not null) at the end.
  void Append(const RVLSharedHandle<T>& entity);
  /// Erases the first occurrence of `entity`; false when it is not listed.
  bool EraseFirst(const T* entity);
  /// The entity at list position `index`, 0 <= index < Count().
  const RVLSharedHandle<T>& At(int index) const { return m_slots[m_live.FindLive(index)]; }
  /// Empties the list; the handles are dropped in list order.
  void Clear();

private:
  static constexpr std::uint32_t kNoSlot = std::numeric_limits<std::uint32_t>::max();

  /// The slots of an entity's first and last occurrences; the ones between
  /// are chained through m_nextOccurrence.
  struct Occurrences {
    std::uint32_t first;
    std::uint32_t last;
  };

  void Compact();

  RVLSharedVector<T> m_slots;                    // a null handle marks a vacant slot
  std::vector<std::uint32_t> m_nextOccurrence;   // per slot: the same entity's next slot, or kNoSlot
  ZALMPRegistryLiveIndex m_live;
  std::unordered_map<const T*, Occurrences> m_occurrences;
};

template <class T>
void ZALMPRegistryEntityList<T>::Append(const RVLSharedHandle<T>& entity)
{
  const std::uint32_t slot = m_live.SlotCount();
  m_slots.push_back(entity);
  m_nextOccurrence.push_back(kNoSlot);
  m_live.Append();
  const auto [listed, isNew] = m_occurrences.try_emplace(entity.get(), Occurrences{slot, slot});
  if (!isNew) {
    m_nextOccurrence[listed->second.last] = slot;
    listed->second.last = slot;
  }
}

template <class T>
bool ZALMPRegistryEntityList<T>::EraseFirst(const T* entity)
{
  const auto listed = m_occurrences.find(entity);
  if (listed == m_occurrences.end()) return false;
  const std::uint32_t slot = listed->second.first;
  if (m_nextOccurrence[slot] == kNoSlot)
    m_occurrences.erase(listed);
  else
    listed->second.first = m_nextOccurrence[slot];
  m_nextOccurrence[slot] = kNoSlot;
  m_live.Vacate(slot);
  m_slots[slot].Release();
  // Compacting only once vacant slots outnumber live ones keeps erasing amortized constant.
  if (m_live.VacantCount() > static_cast<std::uint32_t>(m_live.LiveCount())) Compact();
  return true;
}

template <class T>
void ZALMPRegistryEntityList<T>::Clear()
{
  RVLSharedVector<T> dropped = std::move(m_slots);
  m_slots = RVLSharedVector<T>();
  m_nextOccurrence = std::vector<std::uint32_t>();
  m_live = ZALMPRegistryLiveIndex();
  m_occurrences = std::unordered_map<const T*, Occurrences>();
  for (RVLSharedHandle<T>& entity : dropped) entity.Release();
}

template <class T>
void ZALMPRegistryEntityList<T>::Compact()
{
  const std::uint32_t slotCount = m_live.SlotCount();
  std::vector<std::uint32_t> newSlot(slotCount, kNoSlot);
  std::uint32_t kept = 0;
  for (std::uint32_t slot = 0; slot < slotCount; ++slot) {
    if (!m_slots[slot]) continue;
    newSlot[slot] = kept;
    if (kept != slot) m_slots[kept] = std::move(m_slots[slot]);
    ++kept;
  }
  m_slots.resize(kept);

  std::vector<std::uint32_t> nextOccurrence(kept, kNoSlot);
  for (std::uint32_t slot = 0; slot < slotCount; ++slot)
    if (newSlot[slot] != kNoSlot && m_nextOccurrence[slot] != kNoSlot)
      nextOccurrence[newSlot[slot]] = newSlot[m_nextOccurrence[slot]];
  m_nextOccurrence = std::move(nextOccurrence);

  for (auto& [entity, occurrences] : m_occurrences) {
    occurrences.first = newSlot[occurrences.first];
    occurrences.last = newSlot[occurrences.last];
  }
  m_live.Reset(kept);
}
