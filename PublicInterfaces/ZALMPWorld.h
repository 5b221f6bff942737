#pragma once
#include "ZALMPClassIdentity.h"
#include "ZALMPExport.h"

#include <RVLBasicWorld.h>
#include <RVLExtensionObject.h>
#include <RVLSharedHandle.h>
#include <RVLSharedList.h>
#include <RVLSharedVector.h>
#include <ZALBaseUnknown_var.h>
#include <ZALMathPoint.h>
#include <ZALMathVector.h>
#include <ZALStatus.h>

#include <cstddef>
#include <functional>
#include <memory>

class ZALBaseUnknown;
class ZALMPAxisSystem;
class ZALMPBody;
class ZALMPDeferredElements;
class ZALMPDeserializer;
class ZALMPEntity;
class ZALMPSerializer;
class ZALMPVariable;
class ZALWBFactory;

/// The container of one simulation model: one typed registry per entity kind,
/// the world-wide settings, three built-in entities (a fixed "GlobalBody"
/// carrying the axis system "GlobalAxisSystem", and the time variable
/// "GlobalTime") and the equation factory of the model's formulas. A world is
/// the extension of a host world; entities of that host world reach it through
/// ZALMPEntity::GetWorld.
///
/// The typed operations exist for the fourteen kinds ZALMPActuator,
/// ZALMPAttribute, ZALMPBody, ZALMPConnector, ZALMPConstraint, ZALMPGeometry,
/// ZALMPInteraction, ZALMPJoint, ZALMPMaterial, ZALMPSensor, ZALMPShape,
/// ZALMPSupport, ZALMPValue and ZALMPVariable; an entity is filed under the
/// kind it is added as.
class ZALMP_EXPORT ZALMPWorld : public RVLExtensionObject {
  ZALMP_DECLARE_CLASS(ZALMPWorld, RVLExtensionObject);

public:
  /// A new default world bound as the extension of `hostWorld`.
  static RVLSharedHandle<ZALMPWorld> create(const RVLSharedHandle<RVLBasicWorld>& hostWorld);
  /// A copy of `world` (settings, registries sharing the entities, globals)
  /// bound to `hostWorld`; null for a null world.
  static RVLSharedHandle<ZALMPWorld> clone(const RVLSharedHandle<ZALMPWorld>& world, RVLDynamicObject::CopyMode mode,
                                           const RVLSharedHandle<RVLBasicWorld>& hostWorld);

  ~ZALMPWorld() override;

  /// Unless already being orphaned: destroys the world's own global axis
  /// system (not the one a copy made by `clone` shares with its source) and
  /// leaves the host world. The entities are shared with whoever else holds
  /// them and keep their links; the host world, whose logical children they
  /// are, orphans them when it is orphaned.
  void orphanObject() override;

  /// S_OK: filed. S_FALSE: refused (empty handle, or already filed).
  /// The entity also becomes a logical child of the host world (it reaches
  /// its world through it); a value without a host world is reported.
  template <class T>
  HRESULT Add(const RVLSharedHandle<T>& entity);
  template <class T>
  HRESULT Add(ZALBaseUnknown_var key1, ZALBaseUnknown_var key2, const RVLSharedHandle<T>& entity);
  /// By insertion index: S_OK and the entity; S_FALSE and a null handle outside [0, Count).
  template <class T>
  HRESULT Get(int index, RVLSharedHandle<T>& entity) const;
  /// The first entity filed under the key pair: S_OK; S_FALSE and a null handle.
  template <class T>
  HRESULT Get(ZALBaseUnknown_var key1, ZALBaseUnknown_var key2, RVLSharedHandle<T>& entity) const;
  /// Every entity filed under the key pair: S_OK; S_FALSE and an empty vector.
  template <class T>
  HRESULT Get(ZALBaseUnknown_var key1, ZALBaseUnknown_var key2, RVLSharedVector<T>& entities) const;
  /// The key pair `entity` was filed under: S_OK; S_FALSE and two null keys.
  template <class T>
  HRESULT GetKeys(const RVLSharedHandle<T>& entity, ZALBaseUnknown_var& key1, ZALBaseUnknown_var& key2) const;
  /// Drops the registry's handles on `entity` (the entity itself is untouched).
  /// S_OK: removed. S_FALSE: not filed. E_FAIL: the registry's tables disagree.
  template <class T>
  HRESULT Remove(const RVLSharedHandle<T>& entity);
  /// Drops every entity of kind T; S_OK.
  template <class T>
  HRESULT EmptyRegistry();
  template <class T>
  int Count() const;

  int GetBodyCount() const;
  /// The keys of `entity` in the registry of the first kind it belongs to (Body,
  /// Joint, Constraint, Geometry, Variable, Actuator, Sensor, Material,
  /// Connector, Shape, Value, Attribute, Support). E_FAIL: none of these kinds.
  HRESULT GetKeys(const RVLSharedHandle<RVLBasicEntity>& entity, ZALBaseUnknown_var& key1,
                  ZALBaseUnknown_var& key2) const;

  /// The built-in entities; S_OK (a handle may be null). The setters replace the
  /// handle only: no registry changes.
  HRESULT GetGlobalBody(RVLSharedHandle<ZALMPBody>& body) const;
  HRESULT SetGlobalBody(const RVLSharedHandle<ZALMPBody>& body);
  HRESULT GetGlobalAxisSystem(RVLSharedHandle<ZALMPAxisSystem>& axisSystem) const;
  HRESULT SetGlobalAxisSystem(const RVLSharedHandle<ZALMPAxisSystem>& axisSystem);
  HRESULT GetGlobalTime(RVLSharedHandle<ZALMPVariable>& time) const;
  HRESULT SetGlobalTime(const RVLSharedHandle<ZALMPVariable>& time);

  /// Settings: stored without checks or notices.
  void SetLinearTolerance(double tolerance);
  double GetLinearTolerance() const;
  void SetAngularTolerance(double tolerance);
  double GetAngularTolerance() const;
  virtual void SetOrigin(const ZALMathPoint& origin);
  virtual void GetOrigin(ZALMathPoint& origin) const;
  virtual void SetSize(double x, double y, double z);
  virtual void GetSize(double& x, double& y, double& z) const;
  virtual void SetGravity(const ZALMathVector& gravity);
  virtual void GetGravity(ZALMathVector& gravity) const;

  /// The host's opaque loader and flag (not counted). S_OK: stored, or cleared
  /// by a null loader with flag 0. S_FALSE: a null loader with a non-zero flag.
  HRESULT SetLoader(ZALBaseUnknown* loader, int flag);
  /// S_OK and both; S_FALSE when none is set (outputs untouched).
  HRESULT GetLoader(ZALBaseUnknown*& loader, int& flag) const;
  /// The host's opaque table, counted. S_FALSE for null.
  HRESULT SetTable(ZALBaseUnknown* table);
  /// S_OK and the table with a reference for the caller; S_FALSE when none is set.
  HRESULT GetTable(ZALBaseUnknown*& table) const;

  /// The world's equation factory, still owned by the world. E_FAIL (reported)
  /// and null when there is none.
  virtual HRESULT GetWBFactory(ZALWBFactory*& factory) const;

  /// Whole-world operations: each walks one registry by index; a per-entity
  /// problem is reported and the walk goes on. S_OK.
  HRESULT EmptyWorld();
  HRESULT FixAllFreeBodies();
  HRESULT UnfixAllFreeBodies();
  HRESULT FixAllControlledVariables();
  HRESULT UnfixAllControlledVariables();
  HRESULT UpdateConstraintParameters();
  HRESULT UpdateSensors();
  HRESULT ResetSensors();
  /// False at the first active constraint that does not hold; true otherwise.
  bool IsSatisfied() const;
  /// `error` becomes the largest error that any constraint (active or not)
  /// reports, 0 without constraints. The answer is always true: callers read
  /// the error bound, the constraints' own verdicts are not combined.
  bool IsSatisfied(double& error) const;
  /// False when a body with at least one linked shape has a mass of exactly 0.
  bool IsWeighted() const;

  /// Writes the world under `parent`: a "World" element with the settings, the
  /// "Globals" (by identifier) and one collection element per non-empty
  /// registry, each entity written by itself in registry index order. S_OK
  /// (a per-entity problem is reported and writing goes on); E_FAIL: `parent`
  /// is null or "World" cannot be added.
  HRESULT Serialize(ZALMPSerializer* parent) const;
  /// Fills this world, meant to be new, from the "World" element under `root`:
  /// settings, then every entity of every collection, created by class name,
  /// read (resolving references through the saved identifiers, in any
  /// collection and in any order) and filed in the registry of its kind in
  /// ascending identifier order; then the globals named in "Globals". Each
  /// entity reads the very element it was created from, so a bad element
  /// never shifts its neighbours. S_OK (per-element problems are reported and
  /// skipped); E_FAIL: `root` is null or has no "World". `entitiesRead`, when
  /// given, hears after each entity has read itself how many have and how
  /// many there are, for a host that shows a long load's progress.
  HRESULT Deserialize(const ZALMPDeserializer* root,
                      const std::function<void(std::size_t read, std::size_t total)>& entitiesRead = {});
  /// As above, from a tree whose entity elements `deferred` completes one at
  /// a time. E_ABORT: it could not complete one; the world is then partly
  /// read and is to be thrown away.
  HRESULT Deserialize(const ZALMPDeserializer* root, ZALMPDeferredElements& deferred,
                      const std::function<void(std::size_t read, std::size_t total)>& entitiesRead = {});

  /// A new world (in a new host world, kept alive by the copy until it is
  /// destroyed) with copies of the settings and of
  /// every registered entity, filed under the same keys, and copies of the
  /// globals as its globals. The copies are not linked to each other. Null
  /// when the host world cannot be made.
  RVLSharedHandle<ZALMPWorld> Clone() const;
  /// As Clone, copying only the listed entities (connectors and values are
  /// passed over), then linking the copies to each other as their sources
  /// are linked; links to entities outside the list are left out.
  RVLSharedHandle<ZALMPWorld> CloneWithFilter(const RVLSharedList<ZALMPEntity>& entities) const;

protected:
  ZALMPWorld();
  /// Settings, registries (sharing the entities) and globals; no loader, no
  /// table, and an equation factory of its own.
  ZALMPWorld(const ZALMPWorld& source);
  RVLDynamicObject* _duplicateObject(RVLDynamicObject::CopyMode mode) const override;
  /// Destroys the global axis system; S_OK.
  HRESULT RemoveGlobals();

private:
  struct Registries;
  template <class T>
  auto& Registry() const;
  RVLSharedHandle<RVLBasicWorld> HostWorld() const;
  /// A new world in a host world of its own, with this world's settings.
  RVLSharedHandle<ZALMPWorld> NewWorldWithSettings() const;
  /// Makes `entity` a logical child of the host world unless it is one.
  void AdoptIntoHostWorld(const RVLSharedHandle<ZALMPEntity>& entity, bool isValue) const;
  /// The class record's creator: a default, unbound world.
  static RVLDynamicObject* _CreateObject();

  double m_linearTolerance = 0.001;
  double m_angularTolerance = 1e-9;
  ZALMathPoint m_origin;
  double m_size[3] = {1e6, 1e6, 1e6};
  ZALMathVector m_gravity;
  ZALBaseUnknown* m_loader = nullptr;
  int m_loaderFlag = 0;
  ZALBaseUnknown* m_table = nullptr;
  std::unique_ptr<Registries> m_registries;
  RVLSharedHandle<ZALMPBody> m_globalBody;
  RVLSharedHandle<ZALMPAxisSystem> m_globalAxisSystem;
  RVLSharedHandle<ZALMPVariable> m_globalTime;
  std::unique_ptr<ZALWBFactory> m_factory;
  // The host world made for a clone; null for a world bound by its host.
  RVLSharedHandle<RVLBasicWorld> m_ownHostWorld;
  // False for a copy made by `clone`, whose globals are its source's.
  bool m_ownsGlobals = true;
};
