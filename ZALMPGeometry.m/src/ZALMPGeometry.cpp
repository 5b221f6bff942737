#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPGeometry"
#include "ZALMPReport.h"

#include "ZALMPEntityReferences.h"

#include <ZALIMPGeometryLoader.h>
#include <ZALMPBody.h>
#include <ZALMPConstraint.h>
#include <ZALMPDeserializer.h>
#include <ZALMPGeometry.h>
#include <ZALMPSerializer.h>

ZALMP_DEFINE_CLASS(ZALMPGeometry, ZALMPEntity);

ZALMPGeometry::ZALMPGeometry() = default;

ZALMPGeometry::ZALMPGeometry(const ZALMPGeometry& source) : ZALMPEntity(source) {}

ZALMPGeometry::~ZALMPGeometry() = default;

HRESULT ZALMPGeometry::GetLoader(ZALIMPGeometryLoader*& loader) const
{
  loader = nullptr;
  ZALIMPEntityLoader* entityLoader = nullptr;
  if (FAILED(ZALMPEntity::GetLoader(entityLoader))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  loader = dynamic_cast<ZALIMPGeometryLoader*>(entityLoader);
  return S_OK;
}

HRESULT ZALMPGeometry::SetBody(const RVLSharedHandle<ZALMPBody>& body)
{
  if (!body) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  m_body = body;
  return S_OK;
}

HRESULT ZALMPGeometry::GetBody(RVLSharedHandle<ZALMPBody>& body) const
{
  body = m_body;
  // Not reported: callers ask to learn whether the geometry has a body.
  return body ? S_OK : E_FAIL;
}

HRESULT ZALMPGeometry::RemoveBody(const RVLSharedHandle<ZALMPBody>& body)
{
  if (!body) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (!(body == m_body)) return S_FALSE;
  m_body.Release();
  return S_OK;
}

HRESULT ZALMPGeometry::LinkToConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint)
{
  return m_constraints.Add(constraint, ZALMP_HERE);
}

HRESULT ZALMPGeometry::GetLinkedConstraint(int index, RVLSharedHandle<ZALMPConstraint>& constraint) const
{
  return m_constraints.Get(index, constraint);
}

int ZALMPGeometry::GetLinkedConstraintCount() const
{
  return m_constraints.Count();
}

HRESULT ZALMPGeometry::RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint)
{
  return m_constraints.Remove(constraint, ZALMP_HERE);
}

HRESULT ZALMPGeometry::ClearContainers()
{
  m_constraints.Clear();
  return S_OK;
}

HRESULT ZALMPGeometry::RemoveParent()
{
  const RVLSharedHandle<ZALMPGeometry> self(this);
  if (m_body) {
    HRESULT status = S_OK;
    if (m_body.IsAlive()) {
      status = m_body->RemoveGeometry(self);
    } else {
      ZALMP_REPORT();
    }
    m_body.Release();
    if (FAILED(status)) return status;
  }
  // The constraints do not touch this list while dropping the geometry, but a
  // copy keeps the walk safe whatever they do.
  const RVLSharedVector<ZALMPConstraint> constraints = m_constraints.Links();
  for (const RVLSharedHandle<ZALMPConstraint>& constraint : constraints) {
    HRESULT status = E_FAIL;
    if (constraint.IsAlive()) {
      status = constraint->RemoveGeometry(self);
    } else {
      ZALMP_REPORT();
    }
    if (FAILED(status)) return status;
  }
  return S_OK;
}

HRESULT ZALMPGeometry::Serialize(ZALMPSerializer* element) const
{
  if (!element || FAILED(ZALMPEntity::Serialize(element))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  RVLSharedHandle<ZALMPBody> body;
  if (SUCCEEDED(GetBody(body))) ZALMPEntityReferences::Write(element, L"Body", body, ZALMP_HERE);
  ZALMPEntityReferences::WriteGroup(element, L"Constraints", L"Constraint", m_constraints.Links(), ZALMP_HERE);
  return S_OK;
}

HRESULT ZALMPGeometry::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  if (!element || FAILED(ZALMPEntity::Deserialize(element, ids))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (element->HasElement(L"Body")) {
    ZALMPDeserializer* item = nullptr;
    element->GetElement(L"Body", item);
    const RVLSharedHandle<ZALMPEntity> found = ZALMPEntityReferences::Resolve(item, ids, ZALMP_HERE);
    if (found && FAILED(SetBody(RVLSharedHandle<ZALMPBody>(found)))) ZALMP_REPORT();
  }
  ZALMPEntityReferences::ReadGroup<ZALMPConstraint>(
      element, L"Constraints", L"Constraint", ids,
      [this](const RVLSharedHandle<ZALMPConstraint>& constraint) { return LinkToConstraint(constraint); },
      ZALMP_HERE);
  return S_OK;
}
