#define ZALMP_SOURCE_FILE "ZALMPWorld.m/src/ZALMPWorldCloner"
#include "ZALMPReport.h"

#include "ZALMPWorldCloner.h"
#include "ZALMPWorldKinds.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPWorld.h>
#include <ZALMPWorldGlobals.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Links = std::vector<RVLSharedHandle<ZALMPEntity>>;

// Source entity -> its copy. Filled while copying, sorted once, then only
// searched: a flat sorted table costs far less memory per entity than a tree.
class Correspondence {
public:
  void Reserve(std::size_t count) { m_entries.reserve(count); }
  void Record(const ZALMPEntity* source, RVLSharedHandle<ZALMPEntity> copy)
  {
    m_entries.emplace_back(source, std::move(copy));
  }
  // A source copied twice (listed twice) answers with its last copy.
  void Seal()
  {
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const Entry& left, const Entry& right) { return left.first < right.first; });
  }
  const RVLSharedHandle<ZALMPEntity>* Find(const ZALMPEntity* source) const
  {
    auto after = std::upper_bound(m_entries.begin(), m_entries.end(), source,
                                  [](const ZALMPEntity* key, const Entry& entry) { return key < entry.first; });
    if (after == m_entries.begin() || (after - 1)->first != source) return nullptr;
    return &(after - 1)->second;
  }

private:
  using Entry = std::pair<const ZALMPEntity*, RVLSharedHandle<ZALMPEntity>>;
  std::vector<Entry> m_entries;
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

// Appends the entities a count/get pair lists; a null link is reported and left out.
template <class T, class Linked>
void CollectList(const T& entity, int (T::*count)() const, HRESULT (T::*get)(int, RVLSharedHandle<Linked>&) const,
                 Links& links)
{
  const int total = (entity.*count)();
  for (int index = 0; index < total; ++index) {
    RVLSharedHandle<Linked> linked;
    (entity.*get)(index, linked);
    if (linked)
      links.push_back(linked);
    else
      ZALMP_REPORT();
  }
}

template <class Linked>
void CollectOne(const RVLSharedHandle<Linked>& linked, Links& links)
{
  if (linked)
    links.push_back(linked);
  else
    ZALMP_REPORT();
}

// What links each kind holds, and how its copy is linked to the copy of each
// linked kind. `Targets` lists the kinds of linked copies that have an
// operation here, in the order they are tested. Joints and shapes get their
// rows with their concrete kinds.
template <class T>
struct RelinkRow;

template <>
struct RelinkRow<ZALMPBody> {
  using Targets = ZALMPKindList<ZALMPJoint, ZALMPGeometry, ZALMPShape>;
  static void Collect(const ZALMPBody& body, Links& links)
  {
    CollectList(body, &ZALMPBody::GetGeometryCount, &ZALMPBody::GetGeometry, links);
    CollectList(body, &ZALMPBody::GetLinkedJointCount, &ZALMPBody::GetLinkedJoint, links);
    RVLSharedHandle<ZALMPDisplacementSensor> sensor;
    // The sensor is optional; only a body that has one lists it.
    if (SUCCEEDED(body.GetDisplacementSensor(sensor)) && sensor) links.push_back(sensor);
    CollectList(body, &ZALMPBody::GetLinkedShapeCount, &ZALMPBody::GetLinkedShape, links);
  }
  static void Link(ZALMPBody& body, const RVLSharedHandle<ZALMPJoint>& joint) { body.LinkToJoint(joint); }
  static void Link(ZALMPBody& body, const RVLSharedHandle<ZALMPGeometry>& geometry) { body.AddGeometry(geometry); }
  static void Link(ZALMPBody& body, const RVLSharedHandle<ZALMPShape>& shape) { body.LinkToShape(shape); }
};

template <>
struct RelinkRow<ZALMPConstraint> {
  using Targets = ZALMPKindList<ZALMPJoint, ZALMPGeometry, ZALMPVariable>;
  static void Collect(const ZALMPConstraint& constraint, Links& links)
  {
    RVLSharedHandle<ZALMPJoint> joint;
    // A constraint outside any joint has nothing to collect here.
    if (SUCCEEDED(constraint.GetJoint(joint)) && joint) links.push_back(joint);
    CollectList(constraint, &ZALMPConstraint::GetLinkedGeometryCount, &ZALMPConstraint::GetLinkedGeometry, links);
    CollectList(constraint, &ZALMPConstraint::GetLinkedVariableCount, &ZALMPConstraint::GetLinkedVariable, links);
    CollectList(constraint, &ZALMPConstraint::GetLinkedSensorCount, &ZALMPConstraint::GetLinkedSensor, links);
  }
  static void Link(ZALMPConstraint& constraint, const RVLSharedHandle<ZALMPJoint>& joint)
  {
    constraint.SetJoint(joint);
  }
  static void Link(ZALMPConstraint& constraint, const RVLSharedHandle<ZALMPGeometry>& geometry)
  {
    constraint.LinkToGeometry(geometry);
  }
  static void Link(ZALMPConstraint& constraint, const RVLSharedHandle<ZALMPVariable>& variable)
  {
    constraint.LinkToVariable(variable);
  }
};

template <>
struct RelinkRow<ZALMPVariable> {
  using Targets = ZALMPKindList<ZALMPConstraint>;
  static void Collect(const ZALMPVariable& variable, Links& links)
  {
    CollectList(variable, &ZALMPVariable::GetLinkedConstraintCount, &ZALMPVariable::GetLinkedConstraint, links);
  }
  static void Link(ZALMPVariable& variable, const RVLSharedHandle<ZALMPConstraint>& constraint)
  {
    variable.LinkToConstraint(constraint);
  }
};

template <>
struct RelinkRow<ZALMPGeometry> {
  using Targets = ZALMPKindList<ZALMPBody, ZALMPConstraint>;
  static void Collect(const ZALMPGeometry& geometry, Links& links)
  {
    RVLSharedHandle<ZALMPBody> body;
    geometry.GetBody(body);
    if (body) links.push_back(body);  // a free-standing geometry has no body to collect
    CollectList(geometry, &ZALMPGeometry::GetLinkedConstraintCount, &ZALMPGeometry::GetLinkedConstraint, links);
  }
  static void Link(ZALMPGeometry& geometry, const RVLSharedHandle<ZALMPBody>& body) { geometry.SetBody(body); }
  static void Link(ZALMPGeometry& geometry, const RVLSharedHandle<ZALMPConstraint>& constraint)
  {
    geometry.LinkToConstraint(constraint);
  }
};

// The kinds that have a row, in the order an entity is tested against them.
using RelinkOrder = ZALMPKindList<ZALMPBody, ZALMPConstraint, ZALMPVariable, ZALMPGeometry>;

// Links the copy of each source entity to the copies of the entities its
// source is linked to. Links to entities that were not copied are left out:
// a partial copy holds only what was asked for.
void Relink(const Links& sources, const Correspondence& copies)
{
  Links links;
  for (const RVLSharedHandle<ZALMPEntity>& source : sources) {
    RelinkOrder::First(*source, [&]<class T>(std::type_identity<T>) {
      links.clear();
      RelinkRow<T>::Collect(static_cast<const T&>(*source), links);
      const RVLSharedHandle<ZALMPEntity>* copy = copies.Find(source.get());
      if (!copy) return;
      if (!*copy) {
        ZALMP_REPORT();
        return;
      }
      T& target = static_cast<T&>(**copy);
      for (const RVLSharedHandle<ZALMPEntity>& linked : links) {
        const RVLSharedHandle<ZALMPEntity>* linkedCopy = copies.Find(linked.get());
        if (!linkedCopy || !*linkedCopy) continue;
        RelinkRow<T>::Targets::First(**linkedCopy, [&]<class K>(std::type_identity<K>) {
          RelinkRow<T>::Link(target, RVLSharedHandle<K>(*linkedCopy));
        });
      }
    });
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

// Clone copies the links as well as the entities (a copy whose geometries sit
// on no body would be no copy of the model), and its globals are the copies of
// the source's filed globals rather than a second set.
void ZALMPWorldCloner::CopyAll(const ZALMPWorld& source, ZALMPWorld& copy)
{
  DropConstructorGlobals(copy);
  Correspondence copies;
  Links copied;
  ZALMPRegistryOrder::ForEach([&]<class T>(std::type_identity<T>) {
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
  Relink(copied, copies);
}

// The copy keeps the globals its constructor made in its registries (a
// filtered copy may list no global at all), and gets copies of the source's
// globals as its global handles.
void ZALMPWorldCloner::CopyListed(const ZALMPWorld& source, const RVLSharedList<ZALMPEntity>& entities,
                                  ZALMPWorld& copy)
{
  Correspondence copies;
  Links copied;
  for (const RVLSharedHandle<ZALMPEntity>& entity : entities) {
    if (!entity) continue;
    ZALMPFilteredCloneOrder::First(*entity, [&]<class T>(std::type_identity<T>) {
      CopyEntity(source, RVLSharedHandle<T>(entity), copy, copies, copied);
    });
  }
  copies.Seal();
  CopyGlobals(source, copies, copy);
  Relink(copied, copies);
}
