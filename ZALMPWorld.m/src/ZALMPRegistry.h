#pragma once
#include "ZALMPRegistryEntityList.h"
#include "ZALMPRegistryKeyGroup.h"
#include "ZALMPRegistryKeyPair.h"

#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>
#include <ZALBaseUnknown_var.h>
#include <ZALStatus.h>

#include <cstdint>
#include <map>
#include <unordered_map>
#include <utility>

/// The registry of one entity kind T. It answers which entities of the kind
/// exist, in the order they were added; which were added under a pair of
/// model-object keys; and under which pair an entity was added. It only holds
/// counted handles: it never creates, changes or destroys an entity.
///
/// Keys are normalized to the object that implements them, so every interface
/// handle on one design object finds the same entry. Entities added without
/// keys appear only in the entity list; an entity added first without keys and
/// then with keys is listed twice. No operation reports or throws.
///
/// Copies share the entities and keys of their source. Adding, removing,
/// GetKeys and Get by index or by key pair take (amortized) logarithmic time
/// at most; none of them walks the entity list.
template <class T>
class ZALMPRegistry {
public:
  ZALMPRegistry() = default;
  ZALMPRegistry(const ZALMPRegistry& source) = default;
  ZALMPRegistry& operator=(const ZALMPRegistry& source) = default;
  virtual ~ZALMPRegistry() = default;

  /// Files `entity` under the pair (`key1`, `key2`) and appends it to the
  /// entity list, even when it is already listed from a keyless add. Two null
  /// keys make this a keyless add.
  /// S_OK: added. S_FALSE: `entity` is null or already filed under a pair;
  /// nothing changes.
  HRESULT Add(const ZALBaseUnknown_var& key1, const ZALBaseUnknown_var& key2, const RVLSharedHandle<T>& entity);
  /// Appends `entity` to the entity list only.
  /// S_OK: added. S_FALSE: `entity` is null or already listed; nothing changes.
  HRESULT Add(const RVLSharedHandle<T>& entity);

  /// S_OK: `entity` is the first entity still filed under the pair.
  /// S_FALSE: none is; `entity` is null.
  HRESULT Get(const ZALBaseUnknown_var& key1, const ZALBaseUnknown_var& key2, RVLSharedHandle<T>& entity) const;
  /// S_OK: the pair was ever used; `entities` holds the entities still filed
  /// under it in insertion order (possibly none).
  /// S_FALSE: the pair was never used; `entities` is empty.
  HRESULT Get(const ZALBaseUnknown_var& key1, const ZALBaseUnknown_var& key2, RVLSharedVector<T>& entities) const;
  /// S_OK: `entity` is the entity at list position `index` (insertion order).
  /// S_FALSE: `index` is outside [0, Count()); `entity` is null.
  HRESULT Get(int index, RVLSharedHandle<T>& entity) const;

  /// S_OK: `key1` and `key2` are the normalized keys `entity` is filed under.
  /// S_FALSE: it is filed under no pair; both keys are null.
  HRESULT GetKeys(const RVLSharedHandle<T>& entity, ZALBaseUnknown_var& key1, ZALBaseUnknown_var& key2) const;

  /// Takes the first listed occurrence of `entity` out of the entity list and
  /// its filing under its key pair, if it has one. The pair itself stays known.
  /// S_OK: removed. S_FALSE: `entity` is not listed; nothing changes.
  /// E_FAIL: the occurrence was taken out, but the entity's pair no longer
  /// leads to it (a key's implementing object changed); its filing stays.
  HRESULT Remove(const RVLSharedHandle<T>& entity);

  /// Drops every entity; the key pairs used so far stay known, each with no
  /// entity. Always S_OK.
  HRESULT EmptyRegistry();

  /// The length of the entity list.
  int Count() const { return m_entities.Count(); }

private:
  /// Where an entity filed under keys sits in the key table.
  struct KeyRecord {
    RVLSharedHandle<T> entity;
    ZALMPRegistryKeyPair keys;
    std::uint32_t slot;
  };

  ZALMPRegistryEntityList<T> m_entities;
  std::map<ZALMPRegistryKeyPair, ZALMPRegistryKeyGroup<T>, ZALMPRegistryKeyPair::Order> m_keyTable;
  std::unordered_map<const T*, KeyRecord> m_keyRecords;
};

template <class T>
HRESULT ZALMPRegistry<T>::Add(const ZALBaseUnknown_var& key1, const ZALBaseUnknown_var& key2,
                              const RVLSharedHandle<T>& entity)
{
  if (!key1 && !key2) return Add(entity);
  if (!entity || m_keyRecords.contains(entity.get())) return S_FALSE;
  // No search of the entity list: an entity added before without keys is listed a second time.
  m_entities.Append(entity);
  ZALMPRegistryKeyPair keys(key1, key2);
  const std::uint32_t slot = m_keyTable[keys].Append(entity);
  m_keyRecords.emplace(entity.get(), KeyRecord{entity, std::move(keys), slot});
  return S_OK;
}

template <class T>
HRESULT ZALMPRegistry<T>::Add(const RVLSharedHandle<T>& entity)
{
  if (!entity || m_entities.Contains(entity.get())) return S_FALSE;
  m_entities.Append(entity);
  return S_OK;
}

template <class T>
HRESULT ZALMPRegistry<T>::Get(const ZALBaseUnknown_var& key1, const ZALBaseUnknown_var& key2,
                              RVLSharedHandle<T>& entity) const
{
  // Keyless entities are not in the key table, so two null keys find nothing.
  const auto group = m_keyTable.find(ZALMPRegistryKeyPair(key1, key2));
  entity = group == m_keyTable.end() ? RVLSharedHandle<T>() : group->second.First();
  return entity ? S_OK : S_FALSE;
}

template <class T>
HRESULT ZALMPRegistry<T>::Get(const ZALBaseUnknown_var& key1, const ZALBaseUnknown_var& key2,
                              RVLSharedVector<T>& entities) const
{
  const auto group = m_keyTable.find(ZALMPRegistryKeyPair(key1, key2));
  if (group == m_keyTable.end()) {
    entities.clear();
    return S_FALSE;
  }
  entities = group->second.Members();
  return S_OK;
}

template <class T>
HRESULT ZALMPRegistry<T>::Get(int index, RVLSharedHandle<T>& entity) const
{
  if (index < 0 || index >= Count()) {
    entity = nullptr;
    return S_FALSE;
  }
  entity = m_entities.At(index);
  return S_OK;
}

template <class T>
HRESULT ZALMPRegistry<T>::GetKeys(const RVLSharedHandle<T>& entity, ZALBaseUnknown_var& key1,
                                  ZALBaseUnknown_var& key2) const
{
  const auto record = m_keyRecords.find(entity.get());
  if (record == m_keyRecords.end()) {
    key1 = nullptr;
    key2 = nullptr;
    return S_FALSE;
  }
  key1 = record->second.keys.First();
  key2 = record->second.keys.Second();
  return S_OK;
}

template <class T>
HRESULT ZALMPRegistry<T>::Remove(const RVLSharedHandle<T>& entity)
{
  if (!m_entities.EraseFirst(entity.get())) return S_FALSE;
  const auto record = m_keyRecords.find(entity.get());
  if (record == m_keyRecords.end()) return S_OK;  // a keyless occurrence

  // The pair is looked up anew, through the keys' current implementing objects.
  const auto group = m_keyTable.find(record->second.keys);
  if (group == m_keyTable.end() || !group->second.Holds(record->second.slot, entity.get())) return E_FAIL;
  group->second.Erase(record->second.slot, [this](const T* moved, std::uint32_t slot) {
    const auto movedRecord = m_keyRecords.find(moved);
    if (movedRecord != m_keyRecords.end()) movedRecord->second.slot = slot;
  });
  m_keyRecords.erase(record);
  return S_OK;
}

template <class T>
HRESULT ZALMPRegistry<T>::EmptyRegistry()
{
  // The list goes last, so that entities are released in list order.
  for (auto& [keys, group] : m_keyTable) group.Clear();
  m_keyRecords = std::unordered_map<const T*, KeyRecord>();
  m_entities.Clear();
  return S_OK;
}
