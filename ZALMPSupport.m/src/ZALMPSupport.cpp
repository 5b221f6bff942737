#define ZALMP_SOURCE_FILE "ZALMPSupport.m/src/ZALMPSupport"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>
#include <ZALMPSupport.h>

ZALMP_DEFINE_KIND(ZALMPSupport, ZALMPEntity);

// The target belongs to the original's place in a model: a copy points nowhere.
ZALMPSupport::ZALMPSupport(const ZALMPSupport& source) : ZALMPEntity(source) {}

HRESULT ZALMPSupport::SetTarget(const RVLSharedHandle<ZALMPEntity>& target)
{
  m_target = target;
  return S_OK;
}

HRESULT ZALMPSupport::GetTarget(RVLSharedHandle<ZALMPEntity>& target) const
{
  return ZALMPGetLink(m_target, target);
}

// The target is never asked to drop the support, and the support keeps it
// when it is orphaned; a filtered copy of a world does not re-make it.
ZALMP_DEFINE_LINKS(ZALMPSupport, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPSupport::m_target, L"Target", &ZALMPSupport::SetTarget,
                                               ZALMPFilteredCopy::Dropped, ZALMP_HERE, ZALMPLinkRelease::Never));

HRESULT ZALMPSupport::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPEntity>(*this, element, ZALMP_HERE);
  if (!out) return E_FAIL;
  LinkTable().Write(*this, out.Element());
  return S_OK;
}

HRESULT ZALMPSupport::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPEntity>(*this, element, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  LinkTable().Read(*this, in.Element(), ids);
  return S_OK;
}
