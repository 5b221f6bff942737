#define ZALMP_SOURCE_FILE "ZALMPActuator.m/src/ZALMPGlobalDisplacementActuator"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPGlobalDisplacementActuator.h>

ZALMP_DEFINE_KIND(ZALMPGlobalDisplacementActuator, ZALMPActuator);

ZALMPGlobalDisplacementActuator::ZALMPGlobalDisplacementActuator(const ZALMPGlobalDisplacementActuator& source)
    : ZALMPActuator(source), m_globalDisplacement(source.m_globalDisplacement)
{
}

HRESULT ZALMPGlobalDisplacementActuator::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPActuator>(*this, parent, ZALMP_HERE);
  return out && out.Placement(L"Displacement", m_globalDisplacement) ? S_OK : E_FAIL;
}

HRESULT ZALMPGlobalDisplacementActuator::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPActuator>(*this, parent, ids, ZALMP_HERE);
  return in && in.Placement(L"Displacement", m_globalDisplacement) ? S_OK : E_FAIL;
}

ZALMP_DEFINE_FIELDS(ZALMPGlobalDisplacementActuator, &ZALMPActuator::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPGlobalDisplacementActuator, GlobalDisplacement));
