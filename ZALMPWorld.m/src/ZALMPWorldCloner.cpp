#define ZALMP_SOURCE_FILE "ZALMPWorld.m/src/ZALMPWorldCloner"
#include <ZALMPAssertionReport.h>

#include "ZALMPWorldCloner.h"
#include "ZALMPWorldKinds.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPLinkTable.h>
#include <ZALMPWorld.h>
#include "ZALMPWorldGlobals.h"

#include <algorithm>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

using Links = std::vector<RVLSharedHandle<ZALMPEntity>>;

// Source entity -> its copy. Filled while copying, sealed (sorted), then
// searched: a flat sorted table costs far less memory per entity than a tree
// or a hash map, and where sources are copied and linked in the order they
// were made (a world built or loaded in one go), successive searches take
// nearly the same path through it and stay in the caches, where hashed
// lookups would scatter over the whole table.
class Correspondence final : public ZALMPCopyLookup {
public:
  explicit Correspondence(std::size_t expected) { m_entries.reserve(expected); }
  void Record(const ZALMPEntity* source, RVLSharedHandle<ZALMPEntity> copy)
  {
    m_entries.emplace_back(source, std::move(copy));
  }
  // Sorts what was recorded since the last seal into the sealed part; a
  // source copied twice (listed twice) answers with its last copy.
  void Seal()
  {
    const auto recent = m_entries.begin() + static_cast<std::ptrdiff_t>(m_sealed);
    std::stable_sort(recent, m_entries.end(), BySource);
    std::inplace_merge(m_entries.begin(), recent, m_entries.end(), BySource);
    m_sealed = m_entries.size();
  }
  // Searches the sealed part only.
  const RVLSharedHandle<ZALMPEntity>* Find(const ZALMPEntity* source) const
  {
    const auto sealed = m_entries.begin() + static_cast<std::ptrdiff_t>(m_sealed);
    auto after = std::upper_bound(m_entries.begin(), sealed, source,
                                  [](const ZALMPEntity* key, const Entry& entry) { return key < entry.first; });
    if (after == m_entries.begin() || (after - 1)->first != source) return nullptr;
    return &(after - 1)->second;
  }
  RVLSharedHandle<ZALMPEntity> CopyOf(const ZALMPEntity* source) const override
  {
    const RVLSharedHandle<ZALMPEntity>* found = Find(source);
    return found ? *found : nullptr;
  }

private:
  using Entry = std::pair<const ZALMPEntity*, RVLSharedHandle<ZALMPEntity>>;
  static bool BySource(const Entry& left, const Entry& right) { return left.first < right.first; }

  std::vector<Entry> m_entries;
  std::size_t m_sealed = 0;
};

// Copies `entity` of kind T into `copy` under its keys in `source`.
template <class T>
void CopyEntity(const ZALMPWorld& source, const RVLSharedHandle<T>& entity, ZALMPWorld& copy,
                Correspondence& copies, Links& copied)
{
  ZALBaseUnknown_var key1, key2;
  if (FAILED(source.GetKeys<T>(entity, key1, key2))) {
    ZALMP_REPORT();
    return;
  }
  RVLSharedHandle<T> duplicate = T::clone(entity, RVLDynamicObject::DeepCopy);
  if (!duplicate || copy.Add<T>(key1, key2, duplicate) != S_OK) ZALMP_REPORT();
  copies.Record(entity.get(), duplicate);
  copied.push_back(entity);
}

// Copies the partners that the copied entities hold as their own settings
// (links marked CopiedAlong) and that were not copied already (`copies` is
// sealed). A partner outside the source's registries is left out, as any link
// leaving the copy. Only the entities copied before this pass are owners.
void CopyAlong(const ZALMPWorld& source, ZALMPWorld& copy, Correspondence& copies, Links& copied)
{
  std::unordered_set<const ZALMPEntity*> seen;
  const std::size_t owners = copied.size();
  for (std::size_t index = 0; index < owners; ++index) {
    const RVLSharedHandle<ZALMPEntity> owner = copied[index];
    owner->GetLinkTable().ForEachLink([&](const ZALMPLink& link) {
      if (link.FilteredCopy() != ZALMPFilteredCopy::CopiedAlong) return;
      link.ForEachPartner(*owner, [&](const RVLSharedHandle<ZALMPEntity>& partner) {
        if (copies.Find(partner.get()) || !seen.insert(partner.get()).second) return;
        ZALMPFilingOrder::First(*partner, [&]<class T>(std::type_identity<T>) {
          const RVLSharedHandle<T> settings(partner);
          ZALBaseUnknown_var key1, key2;
          if (SUCCEEDED(source.GetKeys<T>(settings, key1, key2))) CopyEntity(source, settings, copy, copies, copied);
        });
      });
    });
  }
}

// The copy's globals are the copies of the source's globals; a global that
// was not among the copied entities is copied on its own.
template <class T>
RVLSharedHandle<T> CopyOfGlobal(const RVLSharedHandle<T>& global, const Correspondence& copies)
{
  if (!global) return nullptr;
  if (const RVLSharedHandle<ZALMPEntity>* found = copies.Find(global.get()); found && *found)
    return RVLSharedHandle<T>(*found);
  return T::clone(global, RVLDynamicObject::DeepCopy);
}

void CopyGlobals(const ZALMPWorld& source, const Correspondence& copies, ZALMPWorld& copy)
{
  const ZALMPWorldGlobals globals = ZALMPWorldGlobals::Of(source);
  copy.SetGlobalBody(CopyOfGlobal(globals.body, copies));
  copy.SetGlobalAxisSystem(CopyOfGlobal(globals.axisSystem, copies));
  copy.SetGlobalTime(CopyOfGlobal(globals.time, copies));
}

// Links the copy of each source entity to the copies of the entities its
// source is linked to, as each entity's link table says. Links to entities
// that were not copied are left out: a partial copy holds only what was asked
// for, and a filtered copy re-makes only the links its table marks for it.
void Relink(const Links& sources, const Correspondence& copies, bool filtered)
{
  for (const RVLSharedHandle<ZALMPEntity>& source : sources) {
    const RVLSharedHandle<ZALMPEntity>* copy = copies.Find(source.get());
    if (!copy) continue;
    if (!*copy) {
      ZALMP_REPORT();
      continue;
    }
    source->GetLinkTable().Relink(**copy, *source, copies, filtered);
  }
}

// The copy's own constructor-made globals are redundant once the source's
// globals have their copies filed: the copy's registries then mirror the
// source's exactly.
void DropConstructorGlobals(ZALMPWorld& copy)
{
  ZALMPWorldGlobals globals = ZALMPWorldGlobals::Of(copy);
  globals.RemoveFrom(copy);
  ZALMPAxisSystem::destroy(globals.axisSystem);
  ZALMPBody::destroy(globals.body);
  ZALMPVariable::destroy(globals.time);
}

}  // namespace

// Clone copies every link as well as the entities (a copy whose geometries sit
// on no body would be no copy of the model), and its globals are the copies of
// the source's filed globals rather than a second set.
void ZALMPWorldCloner::CopyAll(const ZALMPWorld& source, ZALMPWorld& copy)
{
  DropConstructorGlobals(copy);
  std::size_t total = 0;
  ZALMPEntityKinds::ForEach(
      [&]<class T>(std::type_identity<T>) { total += static_cast<std::size_t>(source.Count<T>()); });
  Correspondence copies(total);
  Links copied;
  copied.reserve(total);
  ZALMPEntityKinds::ForEach([&]<class T>(std::type_identity<T>) {
    const int count = source.Count<T>();
    for (int index = 0; index < count; ++index) {
      RVLSharedHandle<T> entity;
      if (FAILED(source.Get<T>(index, entity)) || !entity) {
        ZALMP_REPORT();
        continue;
      }
      CopyEntity(source, entity, copy, copies, copied);
    }
  });
  copies.Seal();
  CopyGlobals(source, copies, copy);
  Relink(copied, copies, false);
}

// The copy keeps the globals its constructor made in its registries (a
// filtered copy may list no global at all), and gets copies of the source's
// globals as its global handles.
void ZALMPWorldCloner::CopyListed(const ZALMPWorld& source, const RVLSharedList<ZALMPEntity>& entities,
                                  ZALMPWorld& copy)
{
  Correspondence copies(entities.size());
  Links copied;
  copied.reserve(entities.size());
  for (const RVLSharedHandle<ZALMPEntity>& entity : entities) {
    if (!entity) continue;
    ZALMPFilteredCloneOrder::First(*entity, [&]<class T>(std::type_identity<T>) {
      CopyEntity(source, RVLSharedHandle<T>(entity), copy, copies, copied);
    });
  }
  copies.Seal();
  CopyAlong(source, copy, copies, copied);
  copies.Seal();
  CopyGlobals(source, copies, copy);
  Relink(copied, copies, true);
}
