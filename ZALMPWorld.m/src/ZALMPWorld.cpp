#define ZALMP_SOURCE_FILE "ZALMPWorld.m/src/ZALMPWorld"
#include <ZALMPAssertionReport.h>

#include "ZALMPWorldCloner.h"
#include "ZALMPWorldKinds.h"
#include "ZALMPWorldPersistence.h"

#include <ZALIMPBodyLoader.h>
#include <ZALIMPConstraintLoader.h>
#include <ZALIMPVariableLoader.h>
#include <ZALMPAxisSystem.h>
#include "ZALMPRegistry.h"
#include <ZALMPWorld.h>
#include "ZALMPWorldGlobals.h"

#include <ZALBaseUnknown.h>
#include <ZALWBFactory.h>

#include <algorithm>
#include <tuple>

ZALMP_DEFINE_CLASS_WITH_CREATOR(ZALMPWorld, RVLExtensionObject, &ZALMPWorld::_CreateObject);

namespace {
template <class List>
struct RegistryTuple;
template <class... Kinds>
struct RegistryTuple<ZALMPKindList<Kinds...>> {
  using type = std::tuple<ZALMPRegistry<Kinds>...>;
};
}  // namespace

// The fourteen registries, in the order in which the world walks them.
struct ZALMPWorld::Registries {
  RegistryTuple<ZALMPEntityKinds>::type all;

  /// Calls `visit` with each registry in registry order.
  template <class Visit>
  void ForEach(Visit&& visit)
  {
    std::apply([&](auto&... registry) { (visit(registry), ...); }, all);
  }
};

template <class T>
auto& ZALMPWorld::Registry() const
{
  return std::get<ZALMPRegistry<T>>(m_registries->all);
}

namespace {

// Visits each entity of `registry` by index; a failed fetch or a null entity is
// reported and the walk goes on.
template <class T, class Visit>
void Walk(const ZALMPRegistry<T>& registry, Visit&& visit)
{
  const int count = registry.Count();
  for (int index = 0; index < count; ++index) {
    RVLSharedHandle<T> entity;
    if (FAILED(registry.Get(index, entity)) || !entity) {
      ZALMP_REPORT();
      continue;
    }
    visit(entity);
  }
}

}  // namespace

ZALMPWorld::ZALMPWorld() : m_registries(std::make_unique<Registries>())
{
  m_globalBody = ZALMPBody::create(L"GlobalBody");
  m_globalAxisSystem = ZALMPAxisSystem::create(L"GlobalAxisSystem");
  if (m_globalBody && m_globalAxisSystem) {
    m_globalBody->AddGeometry(m_globalAxisSystem);
    m_globalAxisSystem->SetBody(m_globalBody);
    m_globalBody->Fix();
    Registry<ZALMPBody>().Add(m_globalBody);
    Registry<ZALMPGeometry>().Add(m_globalAxisSystem);
  } else {
    ZALMP_REPORT();
  }

  m_globalTime = ZALMPVariable::create(L"GlobalTime");
  if (m_globalTime) {
    m_globalTime->SetPhysicalQuantity(ZALMPPhysicalQuantity::Time);
    Registry<ZALMPVariable>().Add(m_globalTime);
  } else {
    ZALMP_REPORT();
  }

  m_factory = std::make_unique<ZALWBFactory>();
}

// The copy shares its source's entities but not its equation factory: it gets
// an empty one of its own, so formulas made in either world stay apart.
ZALMPWorld::ZALMPWorld(const ZALMPWorld& source)
    : RVLExtensionObject(source),
      m_linearTolerance(source.m_linearTolerance),
      m_angularTolerance(source.m_angularTolerance),
      m_origin(source.m_origin),
      m_size{source.m_size[0], source.m_size[1], source.m_size[2]},
      m_gravity(source.m_gravity),
      m_registries(std::make_unique<Registries>(*source.m_registries)),
      m_globalBody(source.m_globalBody),
      m_globalAxisSystem(source.m_globalAxisSystem),
      m_globalTime(source.m_globalTime),
      m_factory(std::make_unique<ZALWBFactory>()),
      m_ownsGlobals(false)
{
}

ZALMPWorld::~ZALMPWorld()
{
  m_loader = nullptr;
  m_loaderFlag = 0;
  m_factory.reset();
  if (m_table) m_table->Release();
}

RVLSharedHandle<ZALMPWorld> ZALMPWorld::create(const RVLSharedHandle<RVLBasicWorld>& hostWorld)
{
  RVLSharedHandle<ZALMPWorld> world(new ZALMPWorld());
  world->bindExtension(hostWorld);
  // The built-in entities belong to the model like any other.
  world->AdoptIntoHostWorld(world->m_globalBody, false);
  world->AdoptIntoHostWorld(world->m_globalAxisSystem, false);
  world->AdoptIntoHostWorld(world->m_globalTime, false);
  return world;
}

RVLSharedHandle<ZALMPWorld> ZALMPWorld::clone(const RVLSharedHandle<ZALMPWorld>& world, RVLDynamicObject::CopyMode mode,
                                              const RVLSharedHandle<RVLBasicWorld>& hostWorld)
{
  RVLSharedHandle<ZALMPWorld> copy = CloneObject(world, mode);
  if (copy) copy->bindExtension(hostWorld);
  return copy;
}

RVLDynamicObject* ZALMPWorld::_duplicateObject(RVLDynamicObject::CopyMode) const
{
  ZALMPWorld* copy = new ZALMPWorld(*this);
  copy->addReference();
  return copy;
}

RVLDynamicObject* ZALMPWorld::_CreateObject()
{
  return new ZALMPWorld();
}

// The entities are shared: a host or another world may hold them (a copy made
// by `clone` shares all of its source's, globals included), so the world
// leaves them as they are; the host world that owns the model orphans them
// when it goes. Only a world's own global axis system is destroyed.
void ZALMPWorld::orphanObject()
{
  if (isBeingOrphaned()) return;
  if (m_ownsGlobals) RemoveGlobals();
  RVLExtensionObject::orphanObject();
  // A clone's own host world goes with it, letting go of its logical children.
  const RVLSharedHandle<RVLBasicWorld> ownHost = std::move(m_ownHostWorld);
  if (ownHost) ownHost->orphanObject();
}

HRESULT ZALMPWorld::RemoveGlobals()
{
  if (m_globalBody && m_globalAxisSystem) {
    RVLSharedHandle<ZALMPAxisSystem> axisSystem = m_globalAxisSystem;
    ZALMPAxisSystem::destroy(axisSystem);
  }
  return S_OK;
}

RVLSharedHandle<RVLBasicWorld> ZALMPWorld::HostWorld() const
{
  // A host object that is not a host world makes this narrowing throw.
  return RVLSharedHandle<RVLBasicWorld>(getExtendible());
}

void ZALMPWorld::AdoptIntoHostWorld(const RVLSharedHandle<ZALMPEntity>& entity, bool isValue) const
{
  // A value needs its host world (its formulas reach the world through it):
  // a missing one is reported and a host that is not a host world raises.
  const RVLSharedHandle<RVLBasicWorld> host =
      isValue ? HostWorld() : RVLSharedHandle<RVLBasicWorld>::TryNarrow(getExtendible());
  if (!host) {
    if (isValue) ZALMP_REPORT();
  } else if (entity && !host->hasLogicalChild(entity)) {
    host->addLogicalChild(entity);
  }
}

// Every filed entity becomes a logical child of the host world: entities reach
// their world through it, and it frees the model when it goes.
template <class T>
HRESULT ZALMPWorld::Add(const RVLSharedHandle<T>& entity)
{
  AdoptIntoHostWorld(entity, std::is_same_v<T, ZALMPValue>);
  return Registry<T>().Add(entity);
}

template <class T>
HRESULT ZALMPWorld::Add(ZALBaseUnknown_var key1, ZALBaseUnknown_var key2, const RVLSharedHandle<T>& entity)
{
  AdoptIntoHostWorld(entity, std::is_same_v<T, ZALMPValue>);
  return Registry<T>().Add(key1, key2, entity);
}

template <class T>
HRESULT ZALMPWorld::Get(int index, RVLSharedHandle<T>& entity) const
{
  return Registry<T>().Get(index, entity);
}

template <class T>
HRESULT ZALMPWorld::Get(ZALBaseUnknown_var key1, ZALBaseUnknown_var key2, RVLSharedHandle<T>& entity) const
{
  return Registry<T>().Get(key1, key2, entity);
}

template <class T>
HRESULT ZALMPWorld::Get(ZALBaseUnknown_var key1, ZALBaseUnknown_var key2, RVLSharedVector<T>& entities) const
{
  return Registry<T>().Get(key1, key2, entities);
}

template <class T>
HRESULT ZALMPWorld::GetKeys(const RVLSharedHandle<T>& entity, ZALBaseUnknown_var& key1, ZALBaseUnknown_var& key2) const
{
  return Registry<T>().GetKeys(entity, key1, key2);
}

template <class T>
HRESULT ZALMPWorld::Remove(const RVLSharedHandle<T>& entity)
{
  return Registry<T>().Remove(entity);
}

template <class T>
HRESULT ZALMPWorld::EmptyRegistry()
{
  return Registry<T>().EmptyRegistry();
}

template <class T>
int ZALMPWorld::Count() const
{
  return Registry<T>().Count();
}

// The typed operations exist for the kinds of ZALMPEntityKinds only.
#define ZALMP_WORLD_KIND(T)                                                                                        \
  template ZALMP_EXPORT HRESULT ZALMPWorld::Add<T>(const RVLSharedHandle<T>&);                                       \
  template ZALMP_EXPORT HRESULT ZALMPWorld::Add<T>(ZALBaseUnknown_var, ZALBaseUnknown_var, const RVLSharedHandle<T>&); \
  template ZALMP_EXPORT HRESULT ZALMPWorld::Get<T>(int, RVLSharedHandle<T>&) const;                                  \
  template ZALMP_EXPORT HRESULT ZALMPWorld::Get<T>(ZALBaseUnknown_var, ZALBaseUnknown_var, RVLSharedHandle<T>&) const; \
  template ZALMP_EXPORT HRESULT ZALMPWorld::Get<T>(ZALBaseUnknown_var, ZALBaseUnknown_var, RVLSharedVector<T>&) const; \
  template ZALMP_EXPORT HRESULT ZALMPWorld::GetKeys<T>(const RVLSharedHandle<T>&, ZALBaseUnknown_var&,             \
                                                       ZALBaseUnknown_var&) const;                                  \
  template ZALMP_EXPORT HRESULT ZALMPWorld::Remove<T>(const RVLSharedHandle<T>&);                                    \
  template ZALMP_EXPORT HRESULT ZALMPWorld::EmptyRegistry<T>();                                                      \
  template ZALMP_EXPORT int ZALMPWorld::Count<T>() const;
ZALMP_ENTITY_KINDS(ZALMP_WORLD_KIND, )
#undef ZALMP_WORLD_KIND

int ZALMPWorld::GetBodyCount() const
{
  return Count<ZALMPBody>();
}

HRESULT ZALMPWorld::GetKeys(const RVLSharedHandle<RVLBasicEntity>& entity, ZALBaseUnknown_var& key1,
                            ZALBaseUnknown_var& key2) const
{
  HRESULT result = E_FAIL;
  // Interactions are not tested here; their typed GetKeys serves them.
  if (entity) ZALMPKeyLookupOrder::First(*entity, [&]<class T>(std::type_identity<T>) {
      result = GetKeys(RVLSharedHandle<T>(entity), key1, key2);
    });
  return result;
}

ZALMPWorldGlobals ZALMPWorldGlobals::Of(const ZALMPWorld& world)
{
  ZALMPWorldGlobals globals;
  world.GetGlobalBody(globals.body);
  world.GetGlobalAxisSystem(globals.axisSystem);
  world.GetGlobalTime(globals.time);
  return globals;
}

void ZALMPWorldGlobals::RemoveFrom(ZALMPWorld& world) const
{
  world.Remove<ZALMPBody>(body);
  world.Remove<ZALMPGeometry>(axisSystem);
  world.Remove<ZALMPVariable>(time);
}

// A global's handle, read and replaced as it is.
#define ZALMP_DEFINE_GLOBAL(Name, Kind, member)                                                      \
  HRESULT ZALMPWorld::GetGlobal##Name(RVLSharedHandle<Kind>& global) const { return Copy(member, global); } \
  HRESULT ZALMPWorld::SetGlobal##Name(const RVLSharedHandle<Kind>& global) { return Copy(global, member); } \
  static_assert(true, "")

namespace {
template <class T>
HRESULT Copy(const T& from, T& to)
{
  to = from;
  return S_OK;
}
}  // namespace

ZALMP_DEFINE_GLOBAL(Body, ZALMPBody, m_globalBody);
ZALMP_DEFINE_GLOBAL(AxisSystem, ZALMPAxisSystem, m_globalAxisSystem);
ZALMP_DEFINE_GLOBAL(Time, ZALMPVariable, m_globalTime);

void ZALMPWorld::SetLinearTolerance(double tolerance)
{
  m_linearTolerance = tolerance;
}

double ZALMPWorld::GetLinearTolerance() const
{
  return m_linearTolerance;
}

void ZALMPWorld::SetAngularTolerance(double tolerance)
{
  m_angularTolerance = tolerance;
}

double ZALMPWorld::GetAngularTolerance() const
{
  return m_angularTolerance;
}

void ZALMPWorld::SetOrigin(const ZALMathPoint& origin)
{
  m_origin = origin;
}

void ZALMPWorld::GetOrigin(ZALMathPoint& origin) const
{
  origin = m_origin;
}

void ZALMPWorld::SetSize(double x, double y, double z)
{
  m_size[0] = x;
  m_size[1] = y;
  m_size[2] = z;
}

void ZALMPWorld::GetSize(double& x, double& y, double& z) const
{
  x = m_size[0];
  y = m_size[1];
  z = m_size[2];
}

void ZALMPWorld::SetGravity(const ZALMathVector& gravity)
{
  m_gravity = gravity;
}

void ZALMPWorld::GetGravity(ZALMathVector& gravity) const
{
  gravity = m_gravity;
}

HRESULT ZALMPWorld::SetLoader(ZALBaseUnknown* loader, int flag)
{
  if (!loader && flag != 0) return S_FALSE;
  m_loader = loader;
  m_loaderFlag = loader ? flag : 0;
  return S_OK;
}

HRESULT ZALMPWorld::GetLoader(ZALBaseUnknown*& loader, int& flag) const
{
  if (!m_loader) return S_FALSE;
  loader = m_loader;
  flag = m_loaderFlag;
  return S_OK;
}

HRESULT ZALMPWorld::SetTable(ZALBaseUnknown* table)
{
  if (!table) return S_FALSE;
  table->AddRef();
  if (m_table) m_table->Release();
  m_table = table;
  return S_OK;
}

HRESULT ZALMPWorld::GetTable(ZALBaseUnknown*& table) const
{
  if (!m_table) return S_FALSE;
  table = m_table;
  table->AddRef();
  return S_OK;
}

HRESULT ZALMPWorld::GetWBFactory(ZALWBFactory*& factory) const
{
  factory = m_factory.get();
  if (!factory) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT ZALMPWorld::EmptyWorld()
{
  m_registries->ForEach([](auto& registry) { registry.EmptyRegistry(); });
  return S_OK;
}

namespace {

// Calls `act` on the body loader of every body that is not fixed in the model.
template <class Act>
void ForEachFreeBodyLoader(const ZALMPRegistry<ZALMPBody>& bodies, Act&& act)
{
  Walk(bodies, [&](const RVLSharedHandle<ZALMPBody>& body) {
    if (body->IsFixed()) return;
    ZALIMPBodyLoader* loader = nullptr;
    if (FAILED(body->GetLoader(loader))) {
      ZALMP_REPORT();
      return;
    }
    if (loader) act(*loader);
  });
}

// Calls `act` on the variable loader of every controlled variable that has a value.
template <class Act>
void ForEachControlledVariableLoader(const ZALMPRegistry<ZALMPVariable>& variables, Act&& act)
{
  Walk(variables, [&](const RVLSharedHandle<ZALMPVariable>& variable) {
    if (variable->GetType() != ZALMPVariableType::Controlled || !variable->HasValue()) return;
    ZALIMPVariableLoader* loader = nullptr;
    if (FAILED(variable->GetLoader(loader))) {
      ZALMP_REPORT();
      return;
    }
    if (loader) act(*loader);
  });
}

}  // namespace

HRESULT ZALMPWorld::FixAllFreeBodies()
{
  ForEachFreeBodyLoader(Registry<ZALMPBody>(), [](ZALIMPBodyLoader& loader) { loader.Fix(); });
  return S_OK;
}

HRESULT ZALMPWorld::UnfixAllFreeBodies()
{
  ForEachFreeBodyLoader(Registry<ZALMPBody>(), [](ZALIMPBodyLoader& loader) { loader.Unfix(); });
  return S_OK;
}

HRESULT ZALMPWorld::FixAllControlledVariables()
{
  ForEachControlledVariableLoader(Registry<ZALMPVariable>(), [](ZALIMPVariableLoader& loader) { loader.Fix(); });
  return S_OK;
}

HRESULT ZALMPWorld::UnfixAllControlledVariables()
{
  ForEachControlledVariableLoader(Registry<ZALMPVariable>(), [](ZALIMPVariableLoader& loader) { loader.Unfix(); });
  return S_OK;
}

HRESULT ZALMPWorld::UpdateConstraintParameters()
{
  Walk(Registry<ZALMPConstraint>(), [](const RVLSharedHandle<ZALMPConstraint>& constraint) {
    ZALIMPConstraintLoader* loader = nullptr;
    if (FAILED(constraint->GetLoader(loader))) {
      ZALMP_REPORT();
      return;
    }
    if (loader) loader->UpdateParameters();
  });
  return S_OK;
}

HRESULT ZALMPWorld::UpdateSensors()
{
  Walk(Registry<ZALMPSensor>(), [](const RVLSharedHandle<ZALMPSensor>& sensor) {
    if (sensor->IsActive() && FAILED(sensor->Update())) ZALMP_REPORT();
  });
  return S_OK;
}

HRESULT ZALMPWorld::ResetSensors()
{
  Walk(Registry<ZALMPSensor>(), [](const RVLSharedHandle<ZALMPSensor>& sensor) {
    if (sensor->IsActive() && FAILED(sensor->Reset())) ZALMP_REPORT();
  });
  return S_OK;
}

bool ZALMPWorld::IsSatisfied() const
{
  const ZALMPRegistry<ZALMPConstraint>& constraints = Registry<ZALMPConstraint>();
  const int count = constraints.Count();
  for (int index = 0; index < count; ++index) {
    RVLSharedHandle<ZALMPConstraint> constraint;
    if (FAILED(constraints.Get(index, constraint)) || !constraint) {
      ZALMP_REPORT();
      continue;
    }
    if (constraint->IsActive() && !constraint->IsSatisfied()) return false;
  }
  return true;
}

bool ZALMPWorld::IsSatisfied(double& error) const
{
  error = 0.0;
  Walk(Registry<ZALMPConstraint>(), [&](const RVLSharedHandle<ZALMPConstraint>& constraint) {
    double own = 0.0;
    constraint->IsSatisfied(own);
    error = std::max(error, own);
  });
  return true;
}

bool ZALMPWorld::IsWeighted() const
{
  const ZALMPRegistry<ZALMPBody>& bodies = Registry<ZALMPBody>();
  const int count = bodies.Count();
  for (int index = 0; index < count; ++index) {
    RVLSharedHandle<ZALMPBody> body;
    if (FAILED(bodies.Get(index, body)) || !body) {
      ZALMP_REPORT();
      continue;
    }
    bool hasShape = false;
    for (int i = 0; i < body->GetLinkedShapeCount() && !hasShape; ++i) {
      RVLSharedHandle<ZALMPShape> shape;
      hasShape = SUCCEEDED(body->GetLinkedShape(i, shape)) && shape;
    }
    double mass = 0.0;
    body->GetMass(mass);
    if (hasShape && mass == 0.0) return false;
  }
  return true;
}

HRESULT ZALMPWorld::Serialize(ZALMPSerializer* parent) const
{
  return ZALMPWorldPersistence::Write(*this, parent);
}

HRESULT ZALMPWorld::Deserialize(const ZALMPDeserializer* root,
                                const std::function<void(std::size_t read, std::size_t total)>& entitiesRead)
{
  return ZALMPWorldPersistence::Read(*this, root, nullptr, entitiesRead);
}

HRESULT ZALMPWorld::Deserialize(const ZALMPDeserializer* root, ZALMPDeferredElements& deferred,
                                const std::function<void(std::size_t read, std::size_t total)>& entitiesRead)
{
  return ZALMPWorldPersistence::Read(*this, root, &deferred, entitiesRead);
}

RVLSharedHandle<ZALMPWorld> ZALMPWorld::Clone() const
{
  RVLSharedHandle<ZALMPWorld> copy = NewWorldWithSettings();
  if (copy) ZALMPWorldCloner::CopyAll(*this, *copy);
  return copy;
}

RVLSharedHandle<ZALMPWorld> ZALMPWorld::CloneWithFilter(const RVLSharedList<ZALMPEntity>& entities) const
{
  RVLSharedHandle<ZALMPWorld> copy = NewWorldWithSettings();
  if (copy) ZALMPWorldCloner::CopyListed(*this, entities, *copy);
  return copy;
}

// The copy lives in a host world of its own, which nobody but the copy knows
// of; the copy keeps it alive until it is destroyed.
RVLSharedHandle<ZALMPWorld> ZALMPWorld::NewWorldWithSettings() const
{
  const RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"BasicWorld");
  if (!host) return nullptr;
  RVLSharedHandle<ZALMPWorld> copy = create(host);
  if (!copy) {
    ZALMP_REPORT();
    return copy;
  }
  copy->m_ownHostWorld = host;
  copy->m_size[0] = m_size[0];
  copy->m_size[1] = m_size[1];
  copy->m_size[2] = m_size[2];
  copy->m_linearTolerance = m_linearTolerance;
  copy->m_angularTolerance = m_angularTolerance;
  copy->m_origin = m_origin;
  copy->m_gravity = m_gravity;
  return copy;
}
