#define ZALMP_SOURCE_FILE "ZALMPValue.m/src/ZALMPConstant"
#include <ZALMPAssertionReport.h>

#include <ZALIMPConstantLoader.h>
#include <ZALMPConstant.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>

ZALMP_DEFINE_KIND(ZALMPConstant, ZALMPValue);

ZALMPConstant::ZALMPConstant(const ZALMPConstant& source) : ZALMPValue(source), m_value(source.m_value) {}

ZALMP_DEFINE_LOADER(ZALMPConstant, ZALIMPConstantLoader);

HRESULT ZALMPConstant::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPValue>(*this, parent, ZALMP_HERE);
  double value = 0.0;
  if (!out || FAILED(GetValue(value))) return E_FAIL;
  return out.Number(L"Value", value) ? S_OK : E_FAIL;
}

HRESULT ZALMPConstant::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPValue>(*this, parent, ids, ZALMP_HERE);
  double value = 0.0;
  if (!in || !in.Read(L"Value", value)) return E_FAIL;
  return SetValue(value);
}

ZALMP_DEFINE_FIELDS(ZALMPConstant, &ZALMPValue::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPConstant, Value));
