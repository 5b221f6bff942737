#define ZALMP_SOURCE_FILE "ZALMPWorld.m/src/ZALMPWorldPersistence"
#include <ZALMPAssertionReport.h>

#include "ZALMPWorldKinds.h"
#include "ZALMPWorldPersistence.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPDeferredElements.h>
#include <ZALMPDeserializer.h>
#include <ZALMPFactory.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPIdentifierMap.h>
#include <ZALMPReportCollector.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSerializer.h>
#include <ZALMPWorld.h>
#include "ZALMPWorldGlobals.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr std::wstring_view kWorld = L"World";
constexpr std::wstring_view kLinearTolerance = L"linear_tolerance";
constexpr std::wstring_view kAngularTolerance = L"angular_tolerance";
constexpr std::wstring_view kGlobals = L"Globals";
constexpr std::wstring_view kIdentifier = L"id";
constexpr std::wstring_view kName = L"name";

// A setting written as three value elements under one element.
struct Triple {
  std::wstring_view element;
  ZALMPTripleIds components;
};
constexpr Triple kOrigin{L"Origin", {L"Ox", L"Oy", L"Oz"}};
constexpr Triple kSize{L"Size", {L"SizeX", L"SizeY", L"SizeZ"}};
constexpr Triple kGravity{L"Gravity", {L"Gx", L"Gy", L"Gz"}};

// The three globals, in the order they are written and read.
enum class Global { Body, AxisSystem, Time };
struct GlobalElement {
  Global global;
  std::wstring_view element;
};
constexpr std::array<GlobalElement, 3> kGlobalElements{{{Global::Body, L"GlobalBody"},
                                                        {Global::AxisSystem, L"GlobalAxisSystem"},
                                                        {Global::Time, L"GlobalTime"}}};

RVLSharedHandle<ZALMPEntity> GetGlobal(const ZALMPWorld& world, Global global)
{
  const ZALMPWorldGlobals globals = ZALMPWorldGlobals::Of(world);
  switch (global) {
    case Global::Body:
      return globals.body;
    case Global::AxisSystem:
      return globals.axisSystem;
    case Global::Time:
      break;
  }
  return globals.time;
}

void SetGlobal(ZALMPWorld& world, Global global, const RVLSharedHandle<ZALMPEntity>& entity)
{
  // A global of the wrong kind raises RVLEInvalidCast, which names both kinds.
  switch (global) {
    case Global::Body:
      world.SetGlobalBody(RVLSharedHandle<ZALMPBody>(entity));
      return;
    case Global::AxisSystem:
      world.SetGlobalAxisSystem(RVLSharedHandle<ZALMPAxisSystem>(entity));
      return;
    case Global::Time:
      world.SetGlobalTime(RVLSharedHandle<ZALMPVariable>(entity));
      return;
  }
}

// Writing

void WriteGlobals(const ZALMPWorld& world, ZALMPSerializer& frame)
{
  ZALMPSerializer* globals = nullptr;
  if (FAILED(frame.AddElement(kGlobals, globals)) || !globals) return;
  for (const GlobalElement& global : kGlobalElements) {
    const RVLSharedHandle<ZALMPEntity> entity = GetGlobal(world, global.global);
    ZALMPSerializer* element = nullptr;
    if (!entity || FAILED(globals->AddElement(global.element, element)) || !element) {
      ZALMP_REPORT();
      continue;
    }
    std::wstring identifier;
    if (SUCCEEDED(entity->GetIdentifier(identifier)) && FAILED(element->AddAttribute(kIdentifier, identifier)))
      ZALMP_REPORT();
    if (FAILED(element->AddAttribute(kName, entity->getEntityName()))) ZALMP_REPORT();
  }
}

template <class T>
void WriteCollection(const ZALMPWorld& world, ZALMPSerializer& frame)
{
  const int count = world.Count<T>();
  if (count == 0) return;
  ZALMPSerializer* collection = nullptr;
  if (FAILED(frame.AddElement(ZALMPCollectionName<T>(), collection)) || !collection) {
    ZALMP_REPORT();
    return;
  }
  for (int index = 0; index < count; ++index) {
    RVLSharedHandle<T> entity;
    if (FAILED(world.Get<T>(index, entity)) || !entity || FAILED(entity->Serialize(collection))) ZALMP_REPORT();
    // The entity's element is finished; a streaming writer encodes it now.
    if (FAILED(collection->Commit())) ZALMP_REPORT();
  }
}

// Reading

void ReadSettings(ZALMPWorld& world, const ZALMPDeserializer& frame)
{
  // An absent tolerance keeps the current one, unreported.
  double tolerance = world.GetLinearTolerance();
  if (frame.HasAttribute(kLinearTolerance) && SUCCEEDED(frame.GetAttribute(kLinearTolerance, tolerance)))
    world.SetLinearTolerance(tolerance);
  tolerance = world.GetAngularTolerance();
  if (frame.HasAttribute(kAngularTolerance) && SUCCEEDED(frame.GetAttribute(kAngularTolerance, tolerance)))
    world.SetAngularTolerance(tolerance);

  // A missing component of the origin or the gravity reads as 0; of the size it keeps its value.
  const ZALMPFieldReader in(&frame, ZALMP_HERE);
  constexpr double kAbsent = 0.0;
  double values[3] = {};
  if (frame.HasElement(kOrigin.element)) {
    ZALMathPoint origin;
    world.GetOrigin(origin);
    origin.GetCoord(values);
    in.Triple(kOrigin.element, kOrigin.components, values, &kAbsent);
    world.SetOrigin(ZALMathPoint(values));
  }
  world.GetSize(values[0], values[1], values[2]);
  if (in.Has(kSize.element)) in.Triple(kSize.element, kSize.components, values, nullptr);
  world.SetSize(values[0], values[1], values[2]);
  if (frame.HasElement(kGravity.element)) {
    in.Triple(kGravity.element, kGravity.components, values, &kAbsent);
    world.SetGravity(ZALMathVector(values[0], values[1], values[2]));
  }
}

// An entity made in the creation pass, paired with the element it came from.
struct Pending {
  RVLSharedHandle<ZALMPEntity> entity;
  const ZALMPDeserializer* element;
  int place;  // among the collection's children of the element's id
  int index;  // among all the collection's children
};

// One collection's share of the creation pass.
struct PendingCollection {
  std::wstring_view name;
  ZALMPDeserializer* collection = nullptr;
  std::vector<ZALMPDeserializer*> children;
  std::vector<Pending> entities;
};

// The creation pass over one collection: each child with a known class and an
// identifier gives an entity, recorded under that identifier.
void CreateEntities(PendingCollection& pending, const RVLSharedHandle<RVLBasicWorld>& host, ZALMPIdentifierMap& ids)
{
  const std::vector<ZALMPDeserializer*> children = std::move(pending.children);
  pending.entities.reserve(children.size());
  std::wstring elementId;
  std::wstring previousId;
  std::string className;
  ZALMPFactory::Creator create = nullptr;
  int place = 0;
  for (std::size_t index = 0; index < children.size(); ++index) {
    const ZALMPDeserializer* child = children[index];
    const ZALMPReportContext context(pending.name, static_cast<int>(index), child);
    if (!child) {
      ZALMP_REPORT();
      continue;
    }
    // Children come grouped by id; `place` counts within the group, whose
    // class name is worked out once.
    child->GetId(elementId);
    const bool sameGroup = index > 0 && elementId == previousId;
    place = sameGroup ? place + 1 : 0;
    if (!sameGroup) {
      previousId = elementId;
      className = ZALMPSerializationServices::to_type(elementId);
      create = ZALMPFactory::FindCreator(className);
    }

    // The factory itself where the group's creator cannot make one: it reports why.
    RVLSharedHandle<ZALMPEntity> entity = create ? create() : nullptr;
    if (!entity && (FAILED(ZALMPFactory::Create(className, entity)) || !entity)) {
      ZALMP_REPORT();
      continue;
    }
    std::wstring identifier;
    if (FAILED(child->GetAttribute(kIdentifier, identifier))) {
      ZALMP_REPORT();
      continue;
    }
    RVLSharedHandle<ZALMPEntity>& recorded = ids[std::move(identifier)];
    // A later element with the same identifier takes its place; the earlier
    // entity is still read from its own element but is never filed.
    if (recorded) ZALMP_REPORT();
    recorded = entity;
    if (!host)
      ZALMP_REPORT();
    else if (!host->hasLogicalChild(entity))
      host->addLogicalChild(entity);
    pending.entities.push_back({entity, child, place, static_cast<int>(index)});
  }
}

// The reading pass over one collection. Each entity fetches its element from
// the collection by id; the collection is first positioned on the element the
// entity was created from, so that skipped elements shift nobody. False when
// `deferred` could not give an element.
bool ReadEntities(const PendingCollection& pending, const ZALMPIdentifierMap& ids, ZALMPDeferredElements* deferred,
                  const std::function<void()>& read)
{
  for (const Pending& entry : pending.entities) {
    const ZALMPReportContext context(pending.name, entry.index, entry.element);
    const ZALMPDeserializer* from = pending.collection;
    if (deferred)
      from = deferred->Expand(*pending.collection, *entry.element, entry.place);
    else
      pending.collection->SetNextElement(entry.element, entry.place);
    if (!from) return false;
    if (FAILED(entry.entity->Deserialize(from, ids))) ZALMP_REPORT();
    read();
  }
  return true;
}

// Files each read entity under the first kind it is of, in identifier order.
void FileEntities(ZALMPWorld& world, const ZALMPIdentifierMap& ids)
{
  // Sorted by a copy of each identifier's first code units, so that most
  // comparisons stay in this vector instead of reaching the identifiers
  // scattered over the heap. Eight units get past a common lead such as the
  // "id" of generated identifiers and on into their random digits.
  struct Entry {
    std::array<wchar_t, 8> prefix{};
    // The same prefix as two numbers, sixteen bits a unit, when every unit fits.
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    const ZALMPIdentifierMap::value_type* id;
    const ZALMPEntity* entity;
  };
  std::vector<Entry> ordered;
  ordered.reserve(ids.size());
  bool packed = true;
  for (const ZALMPIdentifierMap::value_type& entry : ids) {
    if (!entry.second) continue;
    Entry sorted{{}, 0, 0, &entry, entry.second.get()};
    std::copy_n(entry.first.begin(), std::min(entry.first.size(), sorted.prefix.size()), sorted.prefix.begin());
    for (std::size_t i = 0; i < sorted.prefix.size(); ++i) {
      const wchar_t unit = sorted.prefix[i];
      packed = packed && unit >= 0 && unit <= 0xFFFF;
      (i < 4 ? sorted.high : sorted.low) |= static_cast<std::uint64_t>(unit & 0xFFFF) << (16 * (3 - i % 4));
    }
    ordered.push_back(sorted);
  }
  std::sort(ordered.begin(), ordered.end(), [packed](const Entry& left, const Entry& right) {
    if (packed && (left.high != right.high || left.low != right.low))
      return left.high != right.high ? left.high < right.high : left.low < right.low;
    if (!packed && left.prefix != right.prefix) return left.prefix < right.prefix;
    return left.id->first < right.id->first;
  });
  // The kind each class is filed under, found once per class: a model holds
  // thousands of entities of a handful of classes, and whether an object is
  // of a kind is a question about its class, answered by walking its ancestry.
  struct Filing {
    std::vector<std::pair<const RVLClassInfo*, int>> places;
    int PlaceOf(const ZALMPEntity& entity)
    {
      const RVLClassInfo* const type = &entity.getClassInfo();
      for (const auto& [known, place] : places)
        if (known == type) return place;
      return places.emplace_back(type, ZALMPFilingOrder::FirstPlace(entity)).second;
    }
  } filing;
  // In identifier order the entities and their entries stand anywhere in
  // memory: those a few places on are fetched while these are filed.
  constexpr std::size_t kFetchAhead = 8;
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    if (i + kFetchAhead < ordered.size()) {
      __builtin_prefetch(ordered[i + kFetchAhead].id);
      __builtin_prefetch(ordered[i + kFetchAhead].entity);
    }
    const Entry& entry = ordered[i];
    const RVLSharedHandle<ZALMPEntity>& entity = entry.id->second;
    // The kind at the entity's place is one of its classes (class information
    // names each class's C++ base, as its definition asserts): narrowed
    // without a second check.
    ZALMPFilingOrder::AtPlace(filing.PlaceOf(*entity), [&]<class T>(std::type_identity<T>) {
      world.Add<T>(RVLSharedHandle<T>(static_cast<T*>(entity.get())));
    });
  }
}

void ReadGlobals(ZALMPWorld& world, const ZALMPDeserializer& frame, const ZALMPIdentifierMap& ids)
{
  ZALMPDeserializer* globals = nullptr;
  frame.GetElement(kGlobals, globals);
  if (!globals) return;
  for (std::size_t index = 0; index < kGlobalElements.size(); ++index) {
    const GlobalElement& global = kGlobalElements[index];
    ZALMPDeserializer* element = nullptr;
    globals->GetElement(global.element, element);
    if (!element) continue;
    const ZALMPReportContext context(kGlobals, static_cast<int>(index), element);
    std::wstring identifier;
    if (FAILED(element->GetAttribute(kIdentifier, identifier))) {
      ZALMP_REPORT();
      continue;
    }
    const auto found = ids.find(identifier);
    if (found != ids.end() && found->second) SetGlobal(world, global.global, found->second);
  }
}

// Takes the world's globals out of the registries before a load; the world
// keeps its handles on them until the document names others.
std::array<RVLSharedHandle<ZALMPEntity>, 3> UnfileGlobals(ZALMPWorld& world)
{
  const ZALMPWorldGlobals globals = ZALMPWorldGlobals::Of(world);
  if (!globals.time) ZALMP_REPORT();
  globals.RemoveFrom(world);
  return {globals.body, globals.axisSystem, globals.time};
}

// Globals that the document replaced belong to nobody any more; the
// constructor-made body and axis system hold each other, so they are
// destroyed rather than left to a count that never reaches zero.
void DestroyReplacedGlobals(const ZALMPWorld& world, std::array<RVLSharedHandle<ZALMPEntity>, 3>& previous)
{
  for (const GlobalElement& global : kGlobalElements) {
    RVLSharedHandle<ZALMPEntity>& old = previous[static_cast<std::size_t>(global.global)];
    if (old && old != GetGlobal(world, global.global)) ZALMPEntity::destroy(old);
  }
}

}  // namespace

HRESULT ZALMPWorldPersistence::Write(const ZALMPWorld& world, ZALMPSerializer* parent)
{
  ZALMPSerializer* frame = nullptr;
  if (!parent || FAILED(parent->AddElement(kWorld, frame)) || !frame) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  frame->AddAttribute(kLinearTolerance, world.GetLinearTolerance());
  frame->AddAttribute(kAngularTolerance, world.GetAngularTolerance());

  const ZALMPFieldWriter out(frame, ZALMP_HERE);
  double values[3];
  ZALMathPoint origin;
  world.GetOrigin(origin);
  origin.GetCoord(values);
  out.Triple(kOrigin.element, kOrigin.components, values[0], values[1], values[2]);
  world.GetSize(values[0], values[1], values[2]);
  out.Triple(kSize.element, kSize.components, values[0], values[1], values[2]);
  ZALMathVector gravity;
  world.GetGravity(gravity);
  out.Triple(kGravity.element, kGravity.components, gravity.GetX(), gravity.GetY(), gravity.GetZ());

  WriteGlobals(world, *frame);
  ZALMPCollectionOrder::ForEach([&]<class T>(std::type_identity<T>) { WriteCollection<T>(world, *frame); });
  return S_OK;
}

HRESULT ZALMPWorldPersistence::Read(ZALMPWorld& world, const ZALMPDeserializer* root,
                                    ZALMPDeferredElements* deferred,
                                    const std::function<void(std::size_t read, std::size_t total)>& entitiesRead)
{
  if (!root) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  std::array<RVLSharedHandle<ZALMPEntity>, 3> previousGlobals = UnfileGlobals(world);
  ZALMPDeserializer* frame = nullptr;
  root->GetElement(kWorld, frame);
  if (!frame) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  ReadSettings(world, *frame);

  // Every entity exists before any reads itself, so references may point
  // anywhere in the document.
  const RVLSharedHandle<RVLBasicWorld> host(world.getExtendible());
  ZALMPIdentifierMap ids;
  std::vector<PendingCollection> collections;
  std::size_t stored = 0;
  ZALMPCollectionOrder::ForEach([&]<class T>(std::type_identity<T>) {
    PendingCollection pending;
    pending.name = ZALMPCollectionName<T>();
    frame->GetElement(pending.name, pending.collection);
    if (!pending.collection) return;
    if (FAILED(pending.collection->GetElements(pending.children))) {
      ZALMP_REPORT();
      return;
    }
    stored += pending.children.size();
    collections.push_back(std::move(pending));
  });
  // Sized once: growing it collection by collection re-files every identifier each time.
  ids.reserve(stored);
  for (PendingCollection& pending : collections) CreateEntities(pending, host, ids);
  std::size_t total = 0;
  for (const PendingCollection& pending : collections) total += pending.entities.size();
  std::size_t read = 0;
  const std::function<void()> oneRead = [&] {
    if (entitiesRead) entitiesRead(++read, total);
  };
  for (const PendingCollection& pending : collections)
    if (!ReadEntities(pending, ids, deferred, oneRead)) return E_ABORT;
  collections.clear();

  FileEntities(world, ids);
  ReadGlobals(world, *frame, ids);
  DestroyReplacedGlobals(world, previousGlobals);
  return S_OK;
}
