#pragma once
#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>

#include <cstdint>
#include <utility>

/// The entities filed under one key pair, in insertion order. The registry
/// remembers each member's slot, so erasing a member never walks the group:
/// erased members leave vacant slots until those outnumber the live ones.
template <class T>
class ZALMPRegistryKeyGroup {
public:
  /// Appends `entity` (not null); answers its slot.
  std::uint32_t Append(const RVLSharedHandle<T>& entity);
  /// True when `entity` is the member in `slot`.
  bool Holds(std::uint32_t slot, const T* entity) const { return slot < m_slots.size() && m_slots[slot].get() == entity; }
  /// Erases the member in `slot`. Members that move on the way are announced
  /// as `moved(entity, newSlot)`.
  template <class Moved>
  void Erase(std::uint32_t slot, Moved&& moved);
  /// The first member; null when there is none.
  RVLSharedHandle<T> First() const { return m_live == 0 ? RVLSharedHandle<T>() : m_slots[m_head]; }
  /// The members in insertion order.
  RVLSharedVector<T> Members() const;
  /// Drops every member.
  void Clear();

private:
  RVLSharedVector<T> m_slots;  // a null handle marks an erased member
  std::uint32_t m_head = 0;    // no member sits before this slot
  std::uint32_t m_live = 0;
};

template <class T>
std::uint32_t ZALMPRegistryKeyGroup<T>::Append(const RVLSharedHandle<T>& entity)
{
  m_slots.push_back(entity);
  ++m_live;
  return static_cast<std::uint32_t>(m_slots.size() - 1);
}

template <class T>
template <class Moved>
void ZALMPRegistryKeyGroup<T>::Erase(std::uint32_t slot, Moved&& moved)
{
  m_slots[slot].Release();
  --m_live;
  if (m_live == 0) {
    Clear();
    return;
  }
  while (!m_slots[m_head]) ++m_head;
  // Compacting only once erased members outnumber live ones keeps erasing amortized constant.
  if (m_slots.size() - m_live <= m_live) return;
  std::uint32_t kept = 0;
  for (std::uint32_t from = m_head; from < m_slots.size(); ++from) {
    if (!m_slots[from]) continue;
    if (kept != from) {
      m_slots[kept] = std::move(m_slots[from]);
      moved(m_slots[kept].get(), kept);
    }
    ++kept;
  }
  m_slots.resize(kept);
  m_head = 0;
}

template <class T>
RVLSharedVector<T> ZALMPRegistryKeyGroup<T>::Members() const
{
  RVLSharedVector<T> members;
  members.reserve(m_live);
  for (std::uint32_t slot = m_head; slot < m_slots.size(); ++slot)
    if (m_slots[slot]) members.push_back(m_slots[slot]);
  return members;
}

template <class T>
void ZALMPRegistryKeyGroup<T>::Clear()
{
  RVLSharedVector<T>().swap(m_slots);
  m_head = 0;
  m_live = 0;
}
