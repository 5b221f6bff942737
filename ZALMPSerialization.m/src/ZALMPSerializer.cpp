#include <ZALMPSerializer.h>

#include "ZALMPAllocationStatus.h"
#include "ZALMPValueCell.h"
#include "ZALMPVersionSlot.h"

#include <algorithm>
#include <cmath>
#include <vector>

#define ZALMP_SOURCE_FILE "ZALMPSerialization.m/src/ZALMPSerializer"
#include <ZALMPAssertionReport.h>

struct ZALMPSerializer::Attribute {
  ZALMPCompactText id;
  ZALMPValueCell value;
};

struct ZALMPSerializer::Content {
  std::vector<ZALMPSerializer*> children;  // owned, in the order added
  // The first `attributeCount` are the element's; the rest are kept from
  // before a Reset, their texts' memory ready for the next element's.
  std::vector<Attribute> attributes;
  std::size_t attributeCount = 0;
  std::wstring customVersion;  // the version text when m_version is kCustomVersion
};

namespace {

// Decimal texts are what the tree means by "a multiple of 1e-12"; beyond 2^52
// steps every double is already a whole number of steps, so it stays.
constexpr double kStep = 1e-12;
constexpr double kStepsPerUnit = 1e12;
constexpr double kWholeSteps = 4503599627370496.0;  // 2^52

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

// Detaches every descendant before deleting it, so that a deep tree never
// recurses through the destructors.
void ZALMPSerializer::DeleteChildren(Content& content)
{
  std::vector<ZALMPSerializer*> pending = std::move(content.children);
  content.children.clear();
  while (!pending.empty()) {
    std::unique_ptr<ZALMPSerializer> element(pending.back());
    pending.pop_back();
    if (element && element->m_content) {  // a released child leaves an empty place
      std::vector<ZALMPSerializer*>& children = element->m_content->children;
      pending.insert(pending.end(), children.begin(), children.end());
      children.clear();
    }
  }
}

ZALMPSerializer::~ZALMPSerializer()
{
  if (m_content) DeleteChildren(*m_content);
}

void ZALMPSerializer::Reset()
{
  m_id.Assign({});
  m_value.Assign({});
  m_type = Type::None;
  m_version = kNewestVersionSlot;
  if (!m_content) return;
  std::vector<ZALMPSerializer*>& children = m_content->children;
  if (std::any_of(children.begin(), children.end(), [](const ZALMPSerializer* child) { return child; }))
    DeleteChildren(*m_content);
  children.clear();
  m_content->attributeCount = 0;
  m_content->customVersion.clear();
}

bool ZALMPSerializer::HasVersionOf(const ZALMPSerializer& other) const
{
  // A custom text is never one of the known versions: equal slots decide, unless both are custom.
  if (m_version != other.m_version) return false;
  return m_version != kCustomVersion || m_content->customVersion == other.m_content->customVersion;
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
    element->m_id.AssignWide(id);
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
  ZALMPValueCell::Store(child->m_value, child->m_type, value);
  return S_OK;
}

HRESULT ZALMPSerializer::AddElement(std::wstring_view id, ZALMPSerializer*& child, std::int32_t value)
{
  if (FAILED(AddElement(id, child))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  ZALMPValueCell::Store(child->m_value, child->m_type, value);
  return S_OK;
}

HRESULT ZALMPSerializer::AddElement(std::wstring_view id, ZALMPSerializer*& child, double value)
{
  if (FAILED(AddElement(id, child))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  ZALMPValueCell::Store(child->m_value, child->m_type, Quantise(value));
  return S_OK;
}

HRESULT ZALMPSerializer::AddElement(std::wstring_view id, ZALMPSerializer*& child, std::wstring_view value)
{
  if (FAILED(AddElement(id, child))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  // On failure the child stays, without a value: the element was added as promised.
  return RunTakingMemory(ZALMP_HERE, [&] {
    child->m_value.AssignWide(value);
    child->m_type = Type::String;
  });
}

ZALMPSerializer::Attribute& ZALMPSerializer::NextAttribute()
{
  Content& content = Contents();
  if (content.attributeCount == content.attributes.size()) content.attributes.emplace_back();
  return content.attributes[content.attributeCount];
}

// Each attribute is counted only once it is complete: a failed assignment adds nothing.
void ZALMPSerializer::AppendAttribute(std::wstring_view id, Type type, std::string_view value)
{
  Attribute& attribute = NextAttribute();
  attribute.id.AssignWide(id);
  attribute.value.content.Assign(value);
  attribute.value.type = type;
  ++m_content->attributeCount;
}

void ZALMPSerializer::AppendAttribute(std::wstring_view id, std::wstring_view text)
{
  Attribute& attribute = NextAttribute();
  attribute.id.AssignWide(id);
  attribute.value.content.AssignWide(text);
  attribute.value.type = Type::String;
  ++m_content->attributeCount;
}

HRESULT ZALMPSerializer::AddAttribute(std::wstring_view id, bool value)
{
  return RunTakingMemory(ZALMP_HERE, [&] { AppendAttribute(id, Type::Bool, ZALMPValueCell::BytesOf(value)); });
}

HRESULT ZALMPSerializer::AddAttribute(std::wstring_view id, std::int32_t value)
{
  return RunTakingMemory(ZALMP_HERE, [&] { AppendAttribute(id, Type::Int, ZALMPValueCell::BytesOf(value)); });
}

HRESULT ZALMPSerializer::AddAttribute(std::wstring_view id, double value)
{
  const double stored = Quantise(value);
  return RunTakingMemory(ZALMP_HERE, [&] { AppendAttribute(id, Type::Double, ZALMPValueCell::BytesOf(stored)); });
}

HRESULT ZALMPSerializer::AddAttribute(std::wstring_view id, std::wstring_view value)
{
  return RunTakingMemory(ZALMP_HERE, [&] { AppendAttribute(id, value); });
}

HRESULT ZALMPSerializer::GetVersion(std::wstring& version) const
{
  return RunTakingMemory(ZALMP_HERE, [&] { version = GetVersionView(); });
}

HRESULT ZALMPSerializer::SetVersion(std::wstring_view version)
{
  return RunTakingMemory(ZALMP_HERE, [&] {
    const std::uint8_t slot = VersionSlotOf(version);
    if (slot == kCustomVersion) Contents().customVersion = version;
    m_version = slot;
  });
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

// A value of another kind than asked for reads as false, -1, -1.0 or an empty text.

bool ZALMPSerializer::GetValueb() const
{
  return ZALMPValueCell::ScalarOr(m_type, m_value, false);
}

std::int32_t ZALMPSerializer::GetValuei() const
{
  return ZALMPValueCell::ScalarOr<std::int32_t>(m_type, m_value, -1);
}

double ZALMPSerializer::GetValued() const
{
  return ZALMPValueCell::ScalarOr(m_type, m_value, -1.0);
}

std::wstring ZALMPSerializer::GetValues() const
{
  return ZALMPCompactText::ToWide(GetValueText());
}

std::string_view ZALMPSerializer::GetValueText() const
{
  return ZALMPValueCell::TextOf(m_type, m_value);
}

std::uint64_t ZALMPSerializer::GetAttributeCount() const
{
  return m_content ? m_content->attributeCount : 0;
}

bool ZALMPSerializer::HasRepeatedAttributeIds() const
{
  if (!m_content) return false;
  const std::vector<Attribute>& attributes = m_content->attributes;
  const std::size_t count = m_content->attributeCount;
  for (std::size_t i = 0; i < count; ++i)
    for (std::size_t j = i + 1; j < count; ++j)
      if (attributes[i].id == attributes[j].id) return true;
  return false;
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
  return static_cast<Type>(AttributeAt(index).value.type);
}

bool ZALMPSerializer::GetAttributeValueb(int index) const
{
  return AttributeAt(index).value.ScalarOr(false);
}

std::int32_t ZALMPSerializer::GetAttributeValuei(int index) const
{
  return AttributeAt(index).value.ScalarOr<std::int32_t>(-1);
}

double ZALMPSerializer::GetAttributeValued(int index) const
{
  return AttributeAt(index).value.ScalarOr(-1.0);
}

std::wstring ZALMPSerializer::GetAttributeValues(int index) const
{
  return ZALMPCompactText::ToWide(GetAttributeValueText(index));
}

std::string_view ZALMPSerializer::GetAttributeValueText(int index) const
{
  return AttributeAt(index).value.Text();
}

HRESULT ZALMPSerializer::Commit()
{
  return S_OK;
}

std::unique_ptr<ZALMPSerializer> ZALMPSerializer::ReleaseElement(int index)
{
  ZALMPSerializer*& child = m_content->children[static_cast<std::size_t>(index)];
  std::unique_ptr<ZALMPSerializer> released(child);
  child = nullptr;
  return released;
}

std::uint64_t ZALMPSerializer::GetElementCount() const
{
  return m_content ? m_content->children.size() : 0;
}

ZALMPSerializer* ZALMPSerializer::GetElement(int index) const
{
  return m_content->children[static_cast<std::size_t>(index)];
}
