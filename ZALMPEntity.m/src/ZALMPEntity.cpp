#define ZALMP_SOURCE_FILE "ZALMPEntity.m/src/ZALMPEntity"
#include <ZALMPAssertionReport.h>

#include <ZALIMPEntityLoader.h>
#include <ZALMPDeserializer.h>
#include <ZALMPEntity.h>
#include <ZALMPFieldTable.h>
#include <ZALMPLinkTable.h>
#include <ZALMPParameter.h>
#include <ZALMPSerializer.h>
#include <ZALMPState.h>
#include <ZALMPVersion.h>

#include <RVLBasicWorld.h>
#include <ZALBaseUnknown.h>
#include <ZALGetEnv.h>
#include <ZALUnicodeString.h>
#include <ZALUuid.h>

#include <new>
#include <string>
#include <string_view>
#include <utility>

ZALMP_DEFINE_CLASS(ZALMPEntity, RVLBasicEntity);

namespace {

// The identifier switches are read once per process; a switch counts as set
// when the variable exists, whatever its value.
struct IdentifierSwitches {
  bool useName;
  bool sequential;
};

const IdentifierSwitches& Switches()
{
  static const IdentifierSwitches switches = [] {
    const bool useName = ZALGetEnv("MP_USE_NAME_FOR_ID") != nullptr;
    return IdentifierSwitches{useName, !useName && ZALGetEnv("WKS_ODT_OUT") != nullptr};
  }();
  return switches;
}

// Process-wide counter of the sequential identifiers id0, id1, ...
unsigned g_nextSequentialId = 0;

}  // namespace

ZALMPEntity::ZALMPEntity() = default;

ZALMPEntity::ZALMPEntity(const ZALMPEntity& source) : RVLBasicEntity(source) {}

ZALMPEntity::ZALMPEntity(const ZALMPEntity& source, CopyCommonPart)
    : RVLBasicEntity(source), m_buildingMode(source.m_buildingMode), m_active(source.m_active)
{
  if (source.m_modelObject) {
    m_modelObject = source.m_modelObject;
    m_modelObject->AddRef();
  }
}

ZALMPEntity::~ZALMPEntity()
{
  if (m_modelObject) m_modelObject->Release();
}

void ZALMPEntity::orphanObject()
{
  if (isBeingOrphaned()) return;
  RemoveParent();
  ClearContainers();
  RVLBasicEntity::orphanObject();
}

HRESULT ZALMPEntity::SetBuildingMode(ZALMPBuildingMode::Enum mode)
{
  m_buildingMode = mode;
  return S_OK;
}

HRESULT ZALMPEntity::GetBuildingMode(ZALMPBuildingMode::Enum& mode) const
{
  mode = m_buildingMode;
  return S_OK;
}

HRESULT ZALMPEntity::SetLoader(ZALIMPEntityLoader* loader)
{
  if (loader != m_loader.get()) m_loader.reset(loader);
  return S_OK;
}

HRESULT ZALMPEntity::GetLoader(ZALIMPEntityLoader*& loader) const
{
  loader = m_loader.get();
  return S_OK;
}

HRESULT ZALMPEntity::IsInWorld(bool& inWorld) const
{
  inWorld = static_cast<bool>(getWorld());
  return S_OK;
}

HRESULT ZALMPEntity::Activate()
{
  if (m_active) return S_OK;
  m_active = true;
  return m_loader ? m_loader->OnActivate() : S_OK;
}

HRESULT ZALMPEntity::Deactivate()
{
  if (!m_active) return S_OK;
  m_active = false;
  return m_loader ? m_loader->OnDeactivate() : S_OK;
}

bool ZALMPEntity::IsActive() const
{
  return m_active;
}

HRESULT ZALMPEntity::SetModelObject(ZALBaseUnknown* object)
{
  if (!object) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  object->AddRef();
  if (m_modelObject) m_modelObject->Release();
  m_modelObject = object;
  return S_OK;
}

HRESULT ZALMPEntity::GetModelObject(ZALBaseUnknown*& object) const
{
  object = m_modelObject;
  if (!object) return E_FAIL;
  object->AddRef();
  return S_OK;
}

HRESULT ZALMPEntity::GetIdentifier(std::wstring& id) const
{
  if (m_identifier.Has()) {
    m_identifier.CopyTo(id);
    return S_OK;
  }
  id.clear();
  try {
    std::wstring generated;
    const HRESULT status = GenerateID(generated);
    // An empty result (a nameless entity under "MP_USE_NAME_FOR_ID") is not
    // kept, so the entity gets its name as identifier once it has one.
    if (!generated.empty() && !m_identifier.Assign(generated)) {
      ZALMP_REPORT();
      return E_OUTOFMEMORY;
    }
    id = std::move(generated);
    return status;
  } catch (const std::bad_alloc&) {
    ZALMP_REPORT();
    return E_OUTOFMEMORY;
  }
}

HRESULT ZALMPEntity::GenerateID(std::wstring& id) const
{
  if (Switches().useName) {
    id = getEntityName(ExternalName, ExternalNameSeparator);
    if (id.empty()) ZALMP_REPORT();
    return S_OK;
  }
  if (Switches().sequential) {
    id = L"id" + std::to_wstring(g_nextSequentialId++);
    return S_OK;
  }
  id = L"id" + ZALUnicodeString(ZALUuid().UUID_to_chaine().c_str()).ConvertToWChar();
  return S_OK;
}

HRESULT ZALMPEntity::SetIdentifier(const std::wstring& id)
{
  if (m_identifier.Has()) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (!m_identifier.Assign(id)) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

ZALString ZALMPEntity::GetID() const
{
  return ZALString(ZALUnicodeString(getEntityName(ExternalName, ExternalNameSeparator)).ConvertToChar());
}

HRESULT ZALMPEntity::AddParameter(const RVLSharedHandle<ZALMPParameter>& parameter)
{
  return m_parameters.Add(parameter, ZALMP_HERE);
}

HRESULT ZALMPEntity::AddState(const RVLSharedHandle<ZALMPState>& state)
{
  return m_states.Add(state, ZALMP_HERE);
}

HRESULT ZALMPEntity::AddAggregatedElement(const RVLSharedHandle<ZALMPEntity>& element)
{
  return m_aggregatedElements.Add(element, ZALMP_HERE);
}

int ZALMPEntity::GetParameterCount() const
{
  return m_parameters.Count();
}

int ZALMPEntity::GetStateCount() const
{
  return m_states.Count();
}

int ZALMPEntity::GetAggregatedElementCount() const
{
  return m_aggregatedElements.Count();
}

HRESULT ZALMPEntity::GetParameter(int index, RVLSharedHandle<ZALMPParameter>& parameter) const
{
  return m_parameters.Get(index, parameter);
}

HRESULT ZALMPEntity::GetState(int index, RVLSharedHandle<ZALMPState>& state) const
{
  return m_states.Get(index, state);
}

HRESULT ZALMPEntity::GetAggregatedElement(int index, RVLSharedHandle<ZALMPEntity>& element) const
{
  return m_aggregatedElements.Get(index, element);
}

namespace {

// Appends each attribute of `roots` followed by its descendants, narrowed to
// the roots' kind. The result is that of the last attribute whose descendants
// could be listed: S_OK with some, S_FALSE without; E_FAIL when none could.
template <class Kind>
HRESULT AppendWithDescendants(const RVLSharedVector<Kind>& roots, RVLSharedVector<Kind>& all, ZALMPSourceLocation where)
{
  if (roots.empty()) return S_FALSE;
  HRESULT result = E_FAIL;
  for (const RVLSharedHandle<Kind>& root : roots) {
    all.push_back(root);
    if (!root) {
      ZALMPAssertionReport("", where.file, where.line);
      continue;
    }
    RVLSharedVector<ZALMPAttribute> descendants;
    if (FAILED(root->GetAllChildren(descendants))) {
      ZALMPAssertionReport("", where.file, where.line);
      continue;
    }
    for (const RVLSharedHandle<ZALMPAttribute>& descendant : descendants) all.emplace_back(descendant);
    result = descendants.empty() ? S_FALSE : S_OK;
  }
  return result;
}

// The first attribute of the listing whose GetID() is `name`; a null entry is reported and skipped.
template <class Kind>
HRESULT FindByName(const RVLSharedVector<Kind>& all, const ZALString& name, RVLSharedHandle<Kind>& found,
                   ZALMPSourceLocation where)
{
  for (const RVLSharedHandle<Kind>& attribute : all) {
    if (!attribute) {
      ZALMPAssertionReport("", where.file, where.line);
      continue;
    }
    if (attribute->GetID() == name) {
      found = attribute;
      return S_OK;
    }
  }
  return E_FAIL;
}

}  // namespace

HRESULT ZALMPEntity::GetAllParameters(RVLSharedVector<ZALMPParameter>& all) const
{
  return AppendWithDescendants(m_parameters.Links(), all, ZALMP_HERE);
}

HRESULT ZALMPEntity::GetAllStates(RVLSharedVector<ZALMPState>& all) const
{
  return AppendWithDescendants(m_states.Links(), all, ZALMP_HERE);
}

HRESULT ZALMPEntity::GetParameter(const ZALString& name, RVLSharedHandle<ZALMPParameter>& parameter) const
{
  RVLSharedVector<ZALMPParameter> all;
  if (FAILED(GetAllParameters(all))) return E_FAIL;
  return FindByName(all, name, parameter, ZALMP_HERE);
}

HRESULT ZALMPEntity::GetState(const ZALString& name, RVLSharedHandle<ZALMPState>& state) const
{
  RVLSharedVector<ZALMPState> all;
  if (FAILED(GetAllStates(all))) return E_FAIL;
  return FindByName(all, name, state, ZALMP_HERE);
}

void ZALMPEntity::NotifyUpdate()
{
  postEvent(kUpdateEvent);
}

// The three lists are the entity's own: no partner is asked to forget it,
// they stay until the entity goes, and a filtered copy does not re-make them.
ZALMP_DEFINE_LINKS(ZALMPEntity, nullptr, Success,
                   ZALMPLinkTable::ListNotAsked(&ZALMPEntity::m_parameters, L"Parameters", L"Parameter",
                                                &ZALMPEntity::AddParameter, ZALMPFilteredCopy::Dropped, ZALMP_HERE,
                                                ZALMPLinkRelease::Never),
                   ZALMPLinkTable::ListNotAsked(&ZALMPEntity::m_states, L"States", L"State", &ZALMPEntity::AddState,
                                                ZALMPFilteredCopy::Dropped, ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::ListNotAsked(&ZALMPEntity::m_aggregatedElements, L"AggregatedElements",
                                                L"Element", &ZALMPEntity::AddAggregatedElement,
                                                ZALMPFilteredCopy::Dropped, ZALMP_HERE, ZALMPLinkRelease::Never));

const ZALMPLinkTable& ZALMPEntity::GetLinkTable() const
{
  return LinkTable();
}

const ZALMPFieldTable& ZALMPEntity::FieldTable()
{
  static const ZALMPFieldTable table;
  return table;
}

const ZALMPFieldTable& ZALMPEntity::GetFieldTable() const
{
  return FieldTable();
}

HRESULT ZALMPEntity::ClearContainers()
{
  GetLinkTable().Release(*this);
  return S_OK;
}

HRESULT ZALMPEntity::RemoveParent()
{
  return GetLinkTable().Detach(*this);
}

HRESULT ZALMPEntity::Serialize(ZALMPSerializer* element) const
{
  if (!element) return S_OK;

  // Buffers kept from one entity to the next: a save writes millions.
  thread_local std::wstring id;
  thread_local std::wstring version;
  if (FAILED(GetIdentifier(id)) || FAILED(element->AddAttribute(L"id", id))) {
    ZALMP_REPORT();
  }
  if (FAILED(element->AddAttribute(L"name", getEntityName(ExternalName, ExternalNameSeparator)))) ZALMP_REPORT();

  version.clear();
  element->GetVersion(version);
  if (ZALMPVersion::IsAtLeast(version, ZALMPVersion::kR2017_1) &&
      FAILED(element->AddAttribute(L"isActive", std::wstring_view(m_active ? L"yes" : L"no")))) {
    ZALMP_REPORT();
  }

  LinkTable().Write(*this, element);
  return S_OK;
}

HRESULT ZALMPEntity::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  if (!element) return S_OK;

  // An attribute that is absent is reported by the element itself.
  // Buffers for the texts that are only looked at or copied: a load reads millions.
  thread_local std::wstring id;
  if (SUCCEEDED(element->GetAttribute(L"id", id))) SetIdentifier(id);
  thread_local std::wstring name;
  if (SUCCEEDED(element->GetAttribute(L"name", name))) setEntityName(name);

  thread_local std::wstring version;
  element->GetVersion(version);
  if (ZALMPVersion::IsAtLeast(version, ZALMPVersion::kR2017_1)) {
    std::string_view active;
    if (SUCCEEDED(element->GetAttributeEncoded(L"isActive", active))) {
      if (active == "yes")
        Activate();
      else if (active == "no")
        Deactivate();
    }
  }

  LinkTable().Read(*this, element, ids);
  return S_OK;
}

HRESULT ZALMPEntity::SerializeLinked(ZALMPSerializer* element, std::initializer_list<const ZALMPLink*> links,
                                     ZALMPSourceLocation where) const
{
  if (!element) {
    ZALMPAssertionReport("", where.file, where.line);
    return E_FAIL;
  }
  if (FAILED(ZALMPEntity::Serialize(element))) {
    ZALMPAssertionReport("", where.file, where.line);
    return S_OK;
  }
  for (const ZALMPLink* link : links) link->Write(*this, element);
  return S_OK;
}

HRESULT ZALMPEntity::DeserializeLinked(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids,
                                       std::initializer_list<const ZALMPLink*> links, ZALMPSourceLocation where)
{
  if (!element) {
    ZALMPAssertionReport("", where.file, where.line);
    return E_FAIL;
  }
  if (FAILED(ZALMPEntity::Deserialize(element, ids))) {
    ZALMPAssertionReport("", where.file, where.line);
    return S_OK;
  }
  for (const ZALMPLink* link : links) link->Read(*this, element, ids);
  return S_OK;
}

HRESULT ZALMPEntity::SerializeLinked(ZALMPSerializer* element, const ZALMPLinkTable& table,
                                     ZALMPSourceLocation where) const
{
  if (FAILED(SerializeLinked(element, std::initializer_list<const ZALMPLink*>{}, where))) return E_FAIL;
  table.Write(*this, element);
  return S_OK;
}

HRESULT ZALMPEntity::DeserializeLinked(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids,
                                       const ZALMPLinkTable& table, ZALMPSourceLocation where)
{
  if (FAILED(DeserializeLinked(element, ids, std::initializer_list<const ZALMPLink*>{}, where))) return E_FAIL;
  table.Read(*this, element, ids);
  return S_OK;
}
