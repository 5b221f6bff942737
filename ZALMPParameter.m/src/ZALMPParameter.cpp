#define ZALMP_SOURCE_FILE "ZALMPParameter.m/src/ZALMPParameter"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>
#include <ZALMPParameter.h>
#include <ZALMPSupport.h>

ZALMP_DEFINE_KIND(ZALMPParameter, ZALMPAttribute);

ZALMPParameter::ZALMPParameter(const ZALMPParameter& source) : ZALMPAttribute(source) {}

HRESULT ZALMPParameter::AddSupport(const RVLSharedHandle<ZALMPSupport>& support)
{
  return m_supports.Add(support, ZALMP_HERE);
}

HRESULT ZALMPParameter::GetSupport(int index, RVLSharedHandle<ZALMPSupport>& support) const
{
  return m_supports.Get(index, support);
}

int ZALMPParameter::GetSupportsCount() const
{
  return m_supports.Count();
}

ZALMP_DEFINE_LINKS(ZALMPParameter, &ZALMPAttribute::LinkTable(), Success,
                   ZALMPLinkTable::ListNotAsked(&ZALMPParameter::m_supports, L"Supports", L"Support",
                                                &ZALMPParameter::AddSupport, ZALMPFilteredCopy::Relinked, ZALMP_HERE,
                                                ZALMPLinkRelease::Never));

HRESULT ZALMPParameter::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPAttribute>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  LinkTable().Write(*this, out.Element());
  return S_OK;
}

HRESULT ZALMPParameter::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPAttribute>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  LinkTable().Read(*this, in.Element(), ids);
  return S_OK;
}
