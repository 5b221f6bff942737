#define ZALMP_SOURCE_FILE "ZALMPValue.m/src/ZALMPBoolean"
#include <ZALMPAssertionReport.h>

#include <ZALMPBoolean.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>

#include <string>
#include <string_view>

ZALMP_DEFINE_KIND(ZALMPBoolean, ZALMPValue);

namespace {

// The stored texts; only the exact upper-case "TRUE" reads as true.
constexpr std::wstring_view kTrue = L"TRUE";
constexpr std::wstring_view kFalse = L"FALSE";

}  // namespace

ZALMPBoolean::ZALMPBoolean(const ZALMPBoolean& source) : ZALMPValue(source), m_value(source.m_value) {}

HRESULT ZALMPBoolean::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPValue>(*this, parent, ZALMP_HERE);
  unsigned char value = 0;
  if (!out || FAILED(GetValue(value))) return E_FAIL;
  return out.Value(L"Value", value ? kTrue : kFalse) ? S_OK : E_FAIL;
}

HRESULT ZALMPBoolean::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPValue>(*this, parent, ids, ZALMP_HERE);
  std::wstring text;
  if (!in || !in.Read(L"Value", text)) return E_FAIL;
  return SetValue(text == kTrue ? 1 : 0);
}

ZALMP_DEFINE_FIELDS(ZALMPBoolean, &ZALMPValue::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPBoolean, Value));
