#define ZALMP_SOURCE_FILE "ZALMPConnector.m/src/ZALMPForceElement"
#include <ZALMPAssertionReport.h>

#include <ZALIMPForceElementLoader.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPForceElement.h>
#include <ZALMPJoint.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_KIND(ZALMPForceElement, ZALMPConnector);

ZALMPForceElement::ZALMPForceElement(const ZALMPForceElement& source)
    : ZALMPConnector(source), m_class(source.m_class), m_stream(source.m_stream)
{
}

ZALMP_DEFINE_LOADER(ZALMPForceElement, ZALIMPForceElementLoader);

HRESULT ZALMPForceElement::SetJoint(const RVLSharedHandle<ZALMPJoint>& joint)
{
  m_joint = joint;
  return S_OK;
}

HRESULT ZALMPForceElement::GetJoint(RVLSharedHandle<ZALMPJoint>& joint) const
{
  return ZALMPGetLink(m_joint, joint);
}

HRESULT ZALMPForceElement::RemoveJoint(const RVLSharedHandle<ZALMPJoint>& joint)
{
  return ZALMPRemoveLink(m_joint, joint, ZALMP_HERE);
}

HRESULT ZALMPForceElement::ClearContainers()
{
  m_joint.Release();
  return ZALMPConnector::ClearContainers();
}

// The joint is never asked to drop the force element.
ZALMP_DEFINE_LINKS(ZALMPForceElement, &ZALMPConnector::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPForceElement::m_joint, L"Joint", &ZALMPForceElement::SetJoint,
                                               ZALMPFilteredCopy::Relinked, ZALMP_HERE));

HRESULT ZALMPForceElement::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPConnector>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  out.Attribute(L"class", m_class);
  out.Attribute(L"stream", m_stream);
  LinkTable().Write(*this, out.Element());
  return S_OK;
}

HRESULT ZALMPForceElement::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPConnector>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  // Both texts are read before either is found missing.
  const bool hasClass = in.Attribute(L"class", m_class);
  const bool hasStream = in.Attribute(L"stream", m_stream);
  LinkTable().Read(*this, in.Element(), ids);
  if (hasClass && hasStream) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

ZALMP_DEFINE_FIELDS(ZALMPForceElement, &ZALMPConnector::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPForceElement, Class),
                    ZALMP_FIELD_ROW(ZALMPForceElement, Stream));
