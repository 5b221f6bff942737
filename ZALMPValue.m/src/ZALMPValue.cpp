#define ZALMP_SOURCE_FILE "ZALMPValue.m/src/ZALMPValue"
#include <ZALMPAssertionReport.h>

#include <ZALIMPValueLoader.h>
#include <ZALMPDeserializer.h>
#include <ZALMPFieldTable.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSerializer.h>
#include <ZALMPValue.h>
#include <ZALMPVersion.h>

#include <cstdint>
#include <string>

ZALMP_DEFINE_CLASS(ZALMPValue, ZALMPEntity);

namespace {

constexpr std::wstring_view kPhysicalQuantity = L"PhysicalQuantity";

}  // namespace

ZALMPValue::ZALMPValue() = default;

ZALMPValue::ZALMPValue(const ZALMPValue& source) : ZALMPEntity(source), m_physicalQuantity(source.m_physicalQuantity)
{
}

ZALMPValue::~ZALMPValue() = default;

ZALMP_DEFINE_LOADER(ZALMPValue, ZALIMPValueLoader);

HRESULT ZALMPValue::SetPhysicalQuantity(ZALMPPhysicalQuantity::Enum quantity)
{
  if (quantity == ZALMPPhysicalQuantity::NoPhysicalQuantity) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  m_physicalQuantity = quantity;
  return S_OK;
}

HRESULT ZALMPValue::GetPhysicalQuantity(ZALMPPhysicalQuantity::Enum& quantity) const
{
  quantity = m_physicalQuantity;
  return quantity == ZALMPPhysicalQuantity::NoPhysicalQuantity ? E_FAIL : S_OK;
}

HRESULT ZALMPValue::Serialize(ZALMPSerializer* element) const
{
  if (!element) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (FAILED(ZALMPEntity::Serialize(element))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  std::wstring version;
  if (FAILED(element->GetVersion(version))) ZALMP_REPORT();

  ZALMPPhysicalQuantity::Enum quantity = ZALMPPhysicalQuantity::NoPhysicalQuantity;
  if (FAILED(GetPhysicalQuantity(quantity))) return S_FALSE;

  // Before R2018.0 the quantity is stored by number, from then on by name.
  ZALMPSerializer* child = nullptr;
  const HRESULT added = ZALMPVersion::IsBefore(version, ZALMPVersion::kR2018_0)
                            ? element->AddElement(kPhysicalQuantity, child, static_cast<std::int32_t>(quantity))
                            : element->AddElement(kPhysicalQuantity, child, ZALMPPhysicalQuantity::ToName(quantity));
  if (FAILED(added)) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT ZALMPValue::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  if (!element) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (FAILED(ZALMPEntity::Deserialize(element, ids))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  std::wstring version;
  if (FAILED(element->GetVersion(version))) ZALMP_REPORT();

  // Before R2018.0 the quantity is required and stored by number; from then
  // on it is optional and stored by name. A text that does not convert is
  // reported by the tree, a refused quantity by the setter.
  const bool byNumber = ZALMPVersion::IsBefore(version, ZALMPVersion::kR2018_0);
  if (!element->HasElement(kPhysicalQuantity)) {
    if (!byNumber) return S_FALSE;
    ZALMP_REPORT();
    return E_FAIL;
  }
  ZALMPDeserializer* child = nullptr;
  if (byNumber) {
    std::int32_t number = 0;
    if (FAILED(element->GetElement(kPhysicalQuantity, child, number))) return E_FAIL;
    return SetPhysicalQuantity(static_cast<ZALMPPhysicalQuantity::Enum>(number));
  }
  std::wstring name;
  if (FAILED(element->GetElement(kPhysicalQuantity, child, name))) return E_FAIL;
  // A name outside the table reads as NoPhysicalQuantity.
  return SetPhysicalQuantity(ZALMPPhysicalQuantity::FromName(name));
}

ZALMP_DEFINE_FIELDS(ZALMPValue, &ZALMPEntity::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPValue, PhysicalQuantity));
