#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPGeometry"
#include <ZALMPAssertionReport.h>

#include <ZALIMPGeometryLoader.h>
#include <ZALMPBody.h>
#include <ZALMPConstraint.h>
#include <ZALMPDeserializer.h>
#include <ZALMPGeometry.h>
#include <ZALMPLinkTable.h>
#include <ZALMPSerializer.h>

ZALMP_DEFINE_CLASS(ZALMPGeometry, ZALMPEntity);

ZALMPGeometry::ZALMPGeometry() = default;

ZALMPGeometry::ZALMPGeometry(const ZALMPGeometry& source) : ZALMPEntity(source) {}

ZALMPGeometry::~ZALMPGeometry() = default;

ZALMP_DEFINE_LOADER(ZALMPGeometry, ZALIMPGeometryLoader);

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
  return ZALMPRemoveLink(m_body, body, ZALMP_HERE);
}

ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPGeometry, ZALMPConstraint, m_constraints, LinkToConstraint, RemoveConstraint,
                                  GetLinkedConstraintCount, GetLinkedConstraint);

// RemoveParent asks the body (then lets it go) and each constraint to drop the
// geometry, stopping at the first failure; ClearContainers empties the
// constraint list.
ZALMP_DEFINE_LINKS(ZALMPGeometry, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::One(&ZALMPGeometry::m_body, L"Body", &ZALMPGeometry::SetBody,
                                       &ZALMPBody::RemoveGeometry, ZALMPFilteredCopy::Relinked, ZALMP_HERE),
                   ZALMPLinkTable::List(&ZALMPGeometry::m_constraints, L"Constraints", L"Constraint",
                                        &ZALMPGeometry::LinkToConstraint, &ZALMPConstraint::RemoveGeometry,
                                        ZALMPFilteredCopy::Relinked, ZALMP_HERE));

HRESULT ZALMPGeometry::Serialize(ZALMPSerializer* element) const
{
  if (!element || FAILED(ZALMPEntity::Serialize(element))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  LinkTable().Write(*this, element);
  return S_OK;
}

HRESULT ZALMPGeometry::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  if (!element || FAILED(ZALMPEntity::Deserialize(element, ids))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  LinkTable().Read(*this, element, ids);
  return S_OK;
}
