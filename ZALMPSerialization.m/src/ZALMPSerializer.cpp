#include <ZALMPSerializer.h>

#include "ZALMPVersionSlot.h"

#include <cmath>
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

#define ZALMP_SOURCE_FILE "ZALMPSerialization.m/src/ZALMPSerializer"
#include "ZALMPReport.h"

struct ZALMPSerializer::Attribute {
  ZALMPCompactText id;
  ZALMPCompactText value;  // as the own value: text or the bytes of the scalar
  Type type = Type::None;
};

struct ZALMPSerializer::Content {
  std::vector<ZALMPSerializer*> children;  // owned, in the order added
  std::vector<Attribute> attributes;
  std::wstring customVersion;  // the version text when m_version is kCustomVersion
};

namespace {

template <class Scalar>
std::string_view BytesOf(const Scalar& value)
{
  return {reinterpret_cast<const char*>(&value), sizeof value};
}

template <class Scalar>
Scalar ScalarOf(const ZALMPCompactText& slot)
{
  Scalar value{};
  std::memcpy(&value, slot.View().data(), sizeof value);
  return value;
}

// Decimal texts are what the tree means by "a multiple of 1e-12"; beyond 2^52
// steps every double is already a whole number of steps, so it stays.
constexpr double kStep = 1e-12;
constexpr double kStepsPerUnit = 1e12;
constexpr double kWholeSteps = 4503599627370496.0;  // 2^52

// A text too long to keep is a plain failure; anything else here is memory.
HRESULT AllocationFailure(const std::exception& error)
{
  return dynamic_cast<const std::length_error*>(&error) ? E_FAIL : E_OUTOFMEMORY;
}

}  // namespace

double ZALMPSerializer::Quantise(double value)
{
  if (value > -kStep && value < kStep) return 0.0;
  const double steps = value / kStep;
  if (!(std::fabs(steps) < kWholeSteps)) return value;  // also infinities and NaN
  const double whole = std::floor(std::fabs(steps) + 0.5);
  // Dividing by the exact 1e12 gives the double nearest to whole * 1e-12.
  return (steps < 0 ? -whole : whole) / kStepsPerUnit;
}

ZALMPSerializer::ZALMPSerializer() : m_version(kNewestVersionSlot) {}

ZALMPSerializer::~ZALMPSerializer()
{
  if (!m_content) return;
  // Detach every descendant before deleting it, so that a deep tree never
  // recurses through the destructors.
  std::vector<ZALMPSerializer*> pending = std::move(m_content->children);
  while (!pending.empty()) {
    std::unique_ptr<ZALMPSerializer> element(pending.back());
    pending.pop_back();
    if (element->m_content) {
      std::vector<ZALMPSerializer*>& children = element->m_content->children;
      pending.insert(pending.end(), children.begin(), children.end());
      children.clear();
    }
  }
}

ZALMPSerializer::Content& ZALMPSerializer::Contents()
{
  if (!m_content) m_content = std::make_unique<Content>();
  return *m_content;
}

const ZALMPSerializer::Attribute& ZALMPSerializer::AttributeAt(int index) const
{
  return m_content->attributes[static_cast<std::size_t>(index)];
}

void ZALMPSerializer::CopyVersionFrom(const ZALMPSerializer& other)
{
  m_version = other.m_version;
  if (m_version == kCustomVersion) Contents().customVersion = other.m_content->customVersion;
}

HRESULT ZALMPSerializer::AddElement(std::wstring_view id, ZALMPSerializer*& child)
{
  if (child) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  try {
    std::unique_ptr<ZALMPSerializer> element = CreateElement();
    if (!element) {
      ZALMP_REPORT();
      return E_FAIL;
    }
    element->m_id = ZALMPCompactText::FromWide(id);
    element->CopyVersionFrom(*this);
    Contents().children.push_back(element.get());
    child = element.release();
    return S_OK;
  } catch (const std::exception& error) {
    ZALMP_REPORT();
    return AllocationFailure(error);
  }
}

HRESULT ZALMPSerializer::AddElement(std::wstring_view id, ZALMPSerializer*& child, bool value)
{
  if (FAILED(AddElement(id, child))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  child->m_type = Type::Bool;
  child->m_value.Assign(BytesOf(value));
  return S_OK;
}

HRESULT ZALMPSerializer::AddElement(std::wstring_view id, ZALMPSerializer*& child, std::int32_t value)
{
  if (FAILED(AddElement(id, child))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  child->m_type = Type::Int;
  child->m_value.Assign(BytesOf(value));
  return S_OK;
}

HRESULT ZALMPSerializer::AddElement(std::wstring_view id, ZALMPSerializer*& child, double value)
{
  if (FAILED(AddElement(id, child))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  const double stored = Quantise(value);
  child->m_type = Type::Double;
  child->m_value.Assign(BytesOf(stored));
  return S_OK;
}

HRESULT ZALMPSerializer::AddElement(std::wstring_view id, ZALMPSerializer*& child, std::wstring_view value)
{
  if (FAILED(AddElement(id, child))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  try {
    child->m_value = ZALMPCompactText::FromWide(value);
  } catch (const std::exception& error) {
    // The child stays, without a value: the element was added as promised.
    ZALMP_REPORT();
    return AllocationFailure(error);
  }
  child->m_type = Type::String;
  return S_OK;
}

void ZALMPSerializer::AppendAttribute(std::wstring_view id, Type type, std::string_view value)
{
  Attribute attribute;
  attribute.id = ZALMPCompactText::FromWide(id);
  attribute.value.Assign(value);
  attribute.type = type;
  Contents().attributes.push_back(std::move(attribute));
}

HRESULT ZALMPSerializer::AddAttribute(std::wstring_view id, bool value)
{
  try {
    AppendAttribute(id, Type::Bool, BytesOf(value));
  } catch (const std::exception& error) {
    ZALMP_REPORT();
    return AllocationFailure(error);
  }
  return S_OK;
}

HRESULT ZALMPSerializer::AddAttribute(std::wstring_view id, std::int32_t value)
{
  try {
    AppendAttribute(id, Type::Int, BytesOf(value));
  } catch (const std::exception& error) {
    ZALMP_REPORT();
    return AllocationFailure(error);
  }
  return S_OK;
}

HRESULT ZALMPSerializer::AddAttribute(std::wstring_view id, double value)
{
  const double stored = Quantise(value);
  try {
    AppendAttribute(id, Type::Double, BytesOf(stored));
  } catch (const std::exception& error) {
    ZALMP_REPORT();
    return AllocationFailure(error);
  }
  return S_OK;
}

HRESULT ZALMPSerializer::AddAttribute(std::wstring_view id, std::wstring_view value)
{
  try {
    const ZALMPCompactText text = ZALMPCompactText::FromWide(value);
    AppendAttribute(id, Type::String, text.View());
  } catch (const std::exception& error) {
    ZALMP_REPORT();
    return AllocationFailure(error);
  }
  return S_OK;
}

HRESULT ZALMPSerializer::GetVersion(std::wstring& version) const
{
  try {
    version = GetVersionView();
  } catch (const std::exception& error) {
    ZALMP_REPORT();
    return AllocationFailure(error);
  }
  return S_OK;
}

HRESULT ZALMPSerializer::SetVersion(std::wstring_view version)
{
  const std::uint8_t slot = VersionSlotOf(version);
  if (slot == kCustomVersion) {
    try {
      Contents().customVersion = version;
    } catch (const std::exception& error) {
      ZALMP_REPORT();
      return AllocationFailure(error);
    }
  }
  m_version = slot;
  return S_OK;
}

std::wstring_view ZALMPSerializer::GetVersionView() const
{
  if (m_version == kCustomVersion) return m_content->customVersion;
  return KnownVersionAt(m_version);
}

std::wstring ZALMPSerializer::GetId() const
{
  return m_id.ToWide();
}

bool ZALMPSerializer::GetValueb() const
{
  return m_type == Type::Bool ? ScalarOf<bool>(m_value) : false;
}

std::int32_t ZALMPSerializer::GetValuei() const
{
  return m_type == Type::Int ? ScalarOf<std::int32_t>(m_value) : -1;
}

double ZALMPSerializer::GetValued() const
{
  return m_type == Type::Double ? ScalarOf<double>(m_value) : -1.0;
}

std::wstring ZALMPSerializer::GetValues() const
{
  return m_type == Type::String ? m_value.ToWide() : std::wstring();
}

std::string_view ZALMPSerializer::GetValueText() const
{
  return m_type == Type::String ? m_value.View() : std::string_view();
}

std::uint64_t ZALMPSerializer::GetAttributeCount() const
{
  return m_content ? m_content->attributes.size() : 0;
}

std::wstring ZALMPSerializer::GetAttributeId(int index) const
{
  return AttributeAt(index).id.ToWide();
}

std::string_view ZALMPSerializer::GetAttributeIdText(int index) const
{
  return AttributeAt(index).id.View();
}

ZALMPSerializer::Type ZALMPSerializer::GetAttributeType(int index) const
{
  return AttributeAt(index).type;
}

bool ZALMPSerializer::GetAttributeValueb(int index) const
{
  const Attribute& attribute = AttributeAt(index);
  return attribute.type == Type::Bool ? ScalarOf<bool>(attribute.value) : false;
}

std::int32_t ZALMPSerializer::GetAttributeValuei(int index) const
{
  const Attribute& attribute = AttributeAt(index);
  return attribute.type == Type::Int ? ScalarOf<std::int32_t>(attribute.value) : -1;
}

double ZALMPSerializer::GetAttributeValued(int index) const
{
  const Attribute& attribute = AttributeAt(index);
  return attribute.type == Type::Double ? ScalarOf<double>(attribute.value) : -1.0;
}

std::wstring ZALMPSerializer::GetAttributeValues(int index) const
{
  const Attribute& attribute = AttributeAt(index);
  return attribute.type == Type::String ? attribute.value.ToWide() : std::wstring();
}

std::string_view ZALMPSerializer::GetAttributeValueText(int index) const
{
  const Attribute& attribute = AttributeAt(index);
  return attribute.type == Type::String ? attribute.value.View() : std::string_view();
}

std::uint64_t ZALMPSerializer::GetElementCount() const
{
  return m_content ? m_content->children.size() : 0;
}

ZALMPSerializer* ZALMPSerializer::GetElement(int index) const
{
  return m_content->children[static_cast<std::size_t>(index)];
}
