#define ZALMP_SOURCE_FILE "ZALMPParameter.m/src/ZALMPState"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPState.h>

ZALMP_DEFINE_KIND(ZALMPState, ZALMPAttribute);

ZALMPState::ZALMPState(const ZALMPState& source) : ZALMPAttribute(source) {}

HRESULT ZALMPState::Serialize(ZALMPSerializer* parent) const
{
  return ZALMPFieldWriter::Begin<ZALMPAttribute>(*this, parent, ZALMP_HERE) ? S_OK : E_FAIL;
}

HRESULT ZALMPState::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  return ZALMPFieldReader::Begin<ZALMPAttribute>(*this, parent, ids, ZALMP_HERE) ? S_OK : E_FAIL;
}
