#pragma once
#include "ZALMPAssertionReport.h"
#include "ZALMPBuildingMode.h"
#include "ZALMPClassIdentity.h"
#include "ZALMPEntityIdentifier.h"
#include "ZALMPExport.h"
#include "ZALMPIdentifierMap.h"
#include "ZALMPLinkList.h"
#include "ZALMPSourceLocation.h"

#include <RVLBasicEntity.h>
#include <ZALIMPEntityLoader.h>
#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>
#include <ZALStatus.h>
#include <ZALString.h>

#include <initializer_list>
#include <memory>
#include <string>

class ZALBaseUnknown;
class ZALIMPEntityLoader;
class ZALMPBody;
class ZALMPDeserializer;
class ZALMPFieldTable;
class ZALMPLink;
class ZALMPLinkTable;
class ZALMPParameter;
class ZALMPSerializer;
class ZALMPState;
class ZALMPValue;
class ZALMPVariable;
class ZALMPWorld;
class ZALWBFactory;

/// Declares that a class describes links of its own in a ZALMPLinkTable; its
/// source defines the table with ZALMP_DEFINE_LINKS.
#define ZALMP_DECLARE_LINKS()                                                    \
public:                                                                         \
  const ZALMPLinkTable& GetLinkTable() const override { return LinkTable(); }   \
  /** The links of this class and its bases. */                                 \
  static const ZALMPLinkTable& LinkTable();                                     \
                                                                                \
private:                                                                        \
  static_assert(true, "")

/// Declares that a class describes fields of its own in a ZALMPFieldTable; its
/// source defines the table with ZALMP_DEFINE_FIELDS.
#define ZALMP_DECLARE_FIELDS()                                                   \
public:                                                                         \
  const ZALMPFieldTable& GetFieldTable() const override { return FieldTable(); } \
  /** The fields of this class and its bases. */                                \
  static const ZALMPFieldTable& FieldTable();                                   \
                                                                                \
private:                                                                        \
  static_assert(true, "")

/// A class's own loader interface: `GetLoader(Loader*&)`, the entity's loader
/// narrowed to `Loader` (null when there is none or it is of another kind;
/// S_OK; E_FAIL, reported, when the entity's loader cannot be had), beside the
/// base's. ZALMP_DEFINE_LOADER defines it.
#define ZALMP_DECLARE_LOADER(Loader, Base)                   \
  virtual HRESULT GetLoader(Loader*& loader) const;           \
  using Base::GetLoader

#define ZALMP_DEFINE_LOADER(T, Loader)                                                        \
  HRESULT T::GetLoader(Loader*& loader) const { return NarrowLoader(loader, ZALMP_HERE); } \
  static_assert(true, "")

/// The members every concrete kind declares: identity, creation and copying
/// (ZALMP_DECLARE_CLASS, ZALMP_DECLARE_CONCRETE), its destructor and its
/// protected default and copy constructors. ZALMP_DEFINE_KIND defines all but
/// the copy constructor, which each kind defines as its own copy rules say.
#define ZALMP_DECLARE_KIND(T, Base) \
  ZALMP_DECLARE_CLASS(T, Base);     \
  ZALMP_DECLARE_CONCRETE(T);        \
                                    \
public:                             \
  ~T() override;                    \
                                    \
protected:                          \
  T();                              \
  T(const T& source);               \
                                    \
private:                            \
  static_assert(true, "")

/// ZALMP_DECLARE_KIND for a kind of a family whose kinds each write and read
/// their own element through the family's frame: it also declares the kind's
/// Serialize and Deserialize.
#define ZALMP_DECLARE_SERIALIZED_KIND(T, Base)                                                   \
  ZALMP_DECLARE_KIND(T, Base);                                                                   \
                                                                                                 \
public:                                                                                          \
  HRESULT Serialize(ZALMPSerializer* parent) const override;                                     \
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;  \
                                                                                                 \
private:                                                                                         \
  static_assert(true, "")

/// The base of every entity a world holds: persistent identifier, name, active
/// flag, building mode, host loader and model object, the parameter, state and
/// aggregated-element lists, and the common part of writing and reading.
class ZALMP_EXPORT ZALMPEntity : public RVLBasicEntity {
  ZALMP_DECLARE_CLASS(ZALMPEntity, RVLBasicEntity);

public:
  /// The event an entity posts when its state moved (see NotifyUpdate).
  static constexpr int kUpdateEvent = 9;

  ~ZALMPEntity() override;

  /// Unless already being orphaned: asks each linked partner to drop this entity
  /// (RemoveParent), drops its own lists (ClearContainers), then leaves the host
  /// framework's owners.
  void orphanObject() override;

  /// Store / read the building mode; S_OK.
  virtual HRESULT SetBuildingMode(ZALMPBuildingMode::Enum mode);
  virtual HRESULT GetBuildingMode(ZALMPBuildingMode::Enum& mode) const;

  /// Takes ownership of `loader` (the previous one is deleted); S_OK.
  virtual HRESULT SetLoader(ZALIMPEntityLoader* loader);
  /// The loader, still owned by the entity (null when there is none); S_OK.
  virtual HRESULT GetLoader(ZALIMPEntityLoader*& loader) const;

  /// `inWorld` is true when the entity belongs to a host world; always S_OK.
  virtual HRESULT IsInWorld(bool& inWorld) const;
  /// S_OK: `world` is the model world extending the entity's host world.
  /// E_FAIL (reported): no host world, no model world on it; `world` is null.
  virtual HRESULT GetWorld(RVLSharedHandle<ZALMPWorld>& world) const;
  /// The global body of the entity's world. S_OK; E_FAIL (reported) when
  /// the entity is in no world; `body` is then null.
  HRESULT GetGlobalBody(RVLSharedHandle<ZALMPBody>& body) const;
  /// The global time of the entity's world, as GetGlobalBody.
  HRESULT GetGlobalTime(RVLSharedHandle<ZALMPVariable>& time) const;
  /// Files `value` in the entity's world (ZALMPWorld::Add<ZALMPValue>) and
  /// gives the world's answer. E_FAIL (reported) when the entity is in no world.
  HRESULT AddValueToWorld(const RVLSharedHandle<ZALMPValue>& value) const;

  /// Already active: S_OK and nothing else. Else active, then the loader's
  /// OnActivate result (S_OK without a loader). Deactivate mirrors it.
  virtual HRESULT Activate();
  virtual HRESULT Deactivate();
  virtual bool IsActive() const;

  /// Holds one reference to `object`, releasing the previous one.
  /// E_FAIL: null object (reported); the held one stays.
  virtual HRESULT SetModelObject(ZALBaseUnknown* object);
  /// S_OK: `object` is the held object with a new reference for the caller.
  /// E_FAIL: none held; `object` is null.
  virtual HRESULT GetModelObject(ZALBaseUnknown*& object) const;

  /// Writes the common part into the entity's own `element`: "id", "name",
  /// "isActive" (from R2017.1 on), "Parameters", "States", "AggregatedElements".
  /// Local failures are reported and writing goes on; S_OK (also for a null element).
  virtual HRESULT Serialize(ZALMPSerializer* element) const;
  /// Reads the common part from the entity's own `element`; references resolve
  /// through `ids` (unknown ids are skipped). Local failures are reported; S_OK.
  /// A reference to an entity of the wrong kind raises RVLEInvalidCast.
  virtual HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids);

  /// The persistent identifier, made on the first request and fixed from then on.
  /// E_OUTOFMEMORY when it cannot be stored (reported).
  HRESULT GetIdentifier(std::wstring& id) const;
  /// Only while the entity has no identifier: S_OK. E_FAIL (reported) once it has one.
  HRESULT SetIdentifier(const std::wstring& id);
  /// The entity name as narrow text (not the identifier).
  ZALString GetID() const;

  /// S_OK: appended. S_FALSE: already there. E_FAIL: empty handle (reported).
  HRESULT AddParameter(const RVLSharedHandle<ZALMPParameter>& parameter);
  HRESULT AddState(const RVLSharedHandle<ZALMPState>& state);
  HRESULT AddAggregatedElement(const RVLSharedHandle<ZALMPEntity>& element);
  int GetParameterCount() const;
  int GetStateCount() const;
  int GetAggregatedElementCount() const;
  /// S_OK and the entry at `index`; E_FAIL and a null handle outside the list.
  HRESULT GetParameter(int index, RVLSharedHandle<ZALMPParameter>& parameter) const;
  HRESULT GetState(int index, RVLSharedHandle<ZALMPState>& state) const;
  HRESULT GetAggregatedElement(int index, RVLSharedHandle<ZALMPEntity>& element) const;
  /// The first parameter (or state), descendants included, whose GetID() is
  /// `name`: S_OK. E_FAIL: none; the handle is untouched.
  HRESULT GetParameter(const ZALString& name, RVLSharedHandle<ZALMPParameter>& parameter) const;
  HRESULT GetState(const ZALString& name, RVLSharedHandle<ZALMPState>& state) const;
  /// Appends every parameter (state), each followed by its descendants.
  /// S_FALSE: no parameter, `all` untouched. Else the answer for the last
  /// parameter whose descendants could be listed (S_OK when it had some,
  /// S_FALSE when not), E_FAIL when none could be listed.
  HRESULT GetAllParameters(RVLSharedVector<ZALMPParameter>& all) const;
  HRESULT GetAllStates(RVLSharedVector<ZALMPState>& all) const;

  /// Posts the update event (kUpdateEvent) to the entity's subscribers.
  void NotifyUpdate();

  /// What the entity links to: its class's links and its bases', from which
  /// orphaning, saving, reading and copying treat every link alike.
  virtual const ZALMPLinkTable& GetLinkTable() const;
  /// The entity's own links: parameters, states and aggregated elements.
  static const ZALMPLinkTable& LinkTable();
  /// The fields a host reads and writes by name: its class's and its bases'.
  virtual const ZALMPFieldTable& GetFieldTable() const;
  /// The entity base has no fields of its own (name and active flag have their own operations).
  static const ZALMPFieldTable& FieldTable();

protected:
  ZALMPEntity();
  /// The copy that every kind makes: the host part (the name) is copied, the
  /// common part starts as for a new entity: building mode 0, active, no loader,
  /// no model object, no identifier, empty lists.
  ZALMPEntity(const ZALMPEntity& source);
  /// Tag of the second copy: it also copies building mode, active flag and
  /// model object (not used by the library's own kinds).
  struct CopyCommonPart {};
  ZALMPEntity(const ZALMPEntity& source, CopyCommonPart);

  /// The equation factory of the entity's world (still the world's). S_OK;
  /// E_FAIL (reported) when the entity is in no world or the world has no
  /// factory; `factory` is then null.
  HRESULT GetEquationFactory(ZALWBFactory*& factory) const;

  /// The entity's loader narrowed to the loader interface `Loader`: null when
  /// there is none or it is of another kind. S_OK; E_FAIL (reported at
  /// `where`) when the entity's loader cannot be had.
  template <class Loader>
  HRESULT NarrowLoader(Loader*& loader, ZALMPSourceLocation where) const
  {
    loader = nullptr;
    ZALIMPEntityLoader* entityLoader = nullptr;
    if (FAILED(ZALMPEntity::GetLoader(entityLoader))) {
      ZALMPAssertionReport("", where.file, where.line);
      return E_FAIL;
    }
    loader = dynamic_cast<Loader*>(entityLoader);
    return S_OK;
  }

  /// The common part followed by the references of `links`, in this order:
  /// the part of a kind whose element holds nothing else of its own. S_OK,
  /// also when a reference cannot be written or read (reported); E_FAIL
  /// (reported at `where`): no element. A failed common part is reported at
  /// `where` and then no reference is written or read.
  HRESULT SerializeLinked(ZALMPSerializer* element, std::initializer_list<const ZALMPLink*> links,
                          ZALMPSourceLocation where) const;
  HRESULT DeserializeLinked(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids,
                            std::initializer_list<const ZALMPLink*> links, ZALMPSourceLocation where);
  /// As above, with every link that `table`'s class adds to its base's.
  HRESULT SerializeLinked(ZALMPSerializer* element, const ZALMPLinkTable& table, ZALMPSourceLocation where) const;
  HRESULT DeserializeLinked(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids,
                            const ZALMPLinkTable& table, ZALMPSourceLocation where);

  /// Drops the entity's lists of links, as its link table says (the
  /// parameters, states and aggregated elements stay until the entity goes).
  virtual HRESULT ClearContainers();
  /// Asks each linked partner to drop this entity, as its link table says: the
  /// single links first, then the lists. The first negative answer ends it and
  /// is returned; otherwise the table's answer. S_OK for a plain entity.
  virtual HRESULT RemoveParent();

private:
  HRESULT GenerateID(std::wstring& id) const;

  ZALMPBuildingMode::Enum m_buildingMode = ZALMPBuildingMode::Default;
  std::unique_ptr<ZALIMPEntityLoader> m_loader;
  bool m_active = true;
  ZALBaseUnknown* m_modelObject = nullptr;
  mutable ZALMPEntityIdentifier m_identifier;
  ZALMPLinkList<ZALMPParameter> m_parameters;
  ZALMPLinkList<ZALMPState> m_states;
  ZALMPLinkList<ZALMPEntity> m_aggregatedElements;
};
