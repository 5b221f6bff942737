#define ZALMP_SOURCE_FILE "ZALMPConnector.m/src/ZALMPConnector"
#include <ZALMPAssertionReport.h>

#include <ZALIMPConnectorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPConnector.h>
#include <ZALMPConstant.h>
#include <ZALMPGeometry.h>
#include <ZALMPLinkTable.h>
#include <ZALMPVariable.h>

ZALMP_DEFINE_CLASS(ZALMPConnector, ZALMPEntity);

ZALMPConnector::ZALMPConnector() = default;

// The links belong to the original's place in a model: a copy starts without.
ZALMPConnector::ZALMPConnector(const ZALMPConnector& source) : ZALMPEntity(source) {}

ZALMPConnector::~ZALMPConnector() = default;

ZALMP_DEFINE_LOADER(ZALMPConnector, ZALIMPConnectorLoader);

RVLSharedHandle<ZALMPValue> ZALMPConnector::EmptyForce(const std::wstring& slot) const
{
  const RVLSharedHandle<ZALMPConstant> constant = ZALMPConstant::create(L"EmptyForce");
  std::wstring identifier;
  if (SUCCEEDED(GetIdentifier(identifier))) constant->SetIdentifier(identifier + L"-EmptyForce" + slot);
  return constant;
}

HRESULT ZALMPConnector::SetFirstBody(const RVLSharedHandle<ZALMPBody>& body)
{
  return ZALMPSetLink(m_firstBody, body, ZALMP_HERE);
}

HRESULT ZALMPConnector::GetFirstBody(RVLSharedHandle<ZALMPBody>& body) const
{
  return ZALMPGetLink(m_firstBody, body);
}

HRESULT ZALMPConnector::SetSecondBody(const RVLSharedHandle<ZALMPBody>& body)
{
  return ZALMPSetLink(m_secondBody, body, ZALMP_HERE);
}

HRESULT ZALMPConnector::GetSecondBody(RVLSharedHandle<ZALMPBody>& body) const
{
  return ZALMPGetLink(m_secondBody, body);
}

// A body that is both is dropped as the first one only.
HRESULT ZALMPConnector::RemoveBody(const RVLSharedHandle<ZALMPBody>& body)
{
  const HRESULT first = ZALMPRemoveLink(m_firstBody, body, ZALMP_HERE);
  return first == S_FALSE ? ZALMPRemoveLink(m_secondBody, body, ZALMP_HERE) : first;
}

ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPConnector, ZALMPGeometry, m_geometries, LinkToGeometry, RemoveGeometry,
                                  GetLinkedGeometryCount, GetLinkedGeometry);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPConnector, ZALMPVariable, m_variables, LinkToVariable, RemoveVariable,
                                  GetLinkedVariableCount, GetLinkedVariable);

// Orphaned, a connector asks its two bodies to drop it and lets go of them,
// as joints and shapes do: a world that goes orphans its entities in any
// order, and a body must not be left holding a connector that went first.
// The geometries and variables hold no link back: they are never asked and
// stay linked. A filtered copy re-makes the links between copied entities.
ZALMP_DEFINE_LINKS(ZALMPConnector, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::One(&ZALMPConnector::m_firstBody, L"FirstBody", &ZALMPConnector::SetFirstBody,
                                       &ZALMPBody::RemoveConnector, ZALMPFilteredCopy::Relinked, ZALMP_HERE),
                   ZALMPLinkTable::One(&ZALMPConnector::m_secondBody, L"SecondBody", &ZALMPConnector::SetSecondBody,
                                       &ZALMPBody::RemoveConnector, ZALMPFilteredCopy::Relinked, ZALMP_HERE),
                   ZALMPLinkTable::ListNotAsked(&ZALMPConnector::m_geometries, L"Geometries", L"Geometry",
                                                &ZALMPConnector::LinkToGeometry, ZALMPFilteredCopy::Relinked,
                                                ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::ListNotAsked(&ZALMPConnector::m_variables, L"Variables", L"Variable",
                                                &ZALMPConnector::LinkToVariable, ZALMPFilteredCopy::Relinked,
                                                ZALMP_HERE, ZALMPLinkRelease::Never));

HRESULT ZALMPConnector::Serialize(ZALMPSerializer* element) const
{
  return SerializeLinked(element, LinkTable(), ZALMP_HERE);
}

HRESULT ZALMPConnector::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  return DeserializeLinked(element, ids, LinkTable(), ZALMP_HERE);
}
