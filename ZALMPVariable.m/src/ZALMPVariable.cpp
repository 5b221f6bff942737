#define ZALMP_SOURCE_FILE "ZALMPVariable.m/src/ZALMPVariable"
#include <ZALMPAssertionReport.h>

#include <ZALIMPVariableLoader.h>
#include <ZALMPConstraint.h>
#include <ZALMPDeserializer.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSerializer.h>
#include <ZALMPVariable.h>
#include <ZALMPVersion.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

ZALMP_DEFINE_KIND(ZALMPVariable, ZALMPEntity);

namespace {

constexpr std::wstring_view kPhysicalQuantity = L"PhysicalQuantity";
constexpr std::wstring_view kType = L"Type";

// One group of the grouped layout: a flag child and, when it is set, a number child.
struct FlaggedGroup {
  std::wstring_view group;
  std::wstring_view flag;
  std::wstring_view number;
};

constexpr FlaggedGroup kValueGroup{L"Value", L"HasValue", L"Value"};
constexpr FlaggedGroup kMaxValueGroup{L"MaxValue", L"HasMaxValue", L"MaxValue"};
constexpr FlaggedGroup kMinValueGroup{L"MinValue", L"HasMinValue", L"MinValue"};
constexpr FlaggedGroup kMaxRestitutionGroup{L"MaxLimitRestitution", L"HasMaxLimitRestitution",
                                            L"MaxLimitRestitutionValue"};
constexpr FlaggedGroup kMinRestitutionGroup{L"MinLimitRestitution", L"HasMinLimitRestitution",
                                            L"MinLimitRestitutionValue"};

// Writes `group` with its flag and, when set, its number. False when an
// element could not be added (reported).
bool WriteFlagged(const ZALMPFieldWriter& out, const FlaggedGroup& group, bool isSet, double number)
{
  const ZALMPFieldWriter flagged = out.Group(group.group);
  if (!flagged || !flagged.Value(group.flag, isSet)) return false;
  return !isSet || flagged.Number(group.number, number);
}

// Reads `group`: `isSet` is its flag (false when missing) and, when set, `number`
// its number. False when the group, the flag or a required number is missing.
bool ReadFlagged(const ZALMPFieldReader& in, const FlaggedGroup& group, bool& isSet, double& number)
{
  isSet = false;
  const ZALMPFieldReader flagged = in.Group(group.group);
  if (!flagged || !flagged.Read(group.flag, isSet)) {
    isSet = false;
    return false;
  }
  if (isSet && !flagged.Read(group.number, number)) {
    isSet = false;
    return false;
  }
  return true;
}

}  // namespace

// The number of an optional field whether set or not, and whether it was set.
#define ZALMP_DEFINE_OPTIONAL_READERS(Name, field)                                       \
  HRESULT ZALMPVariable::Get##Name(double& value) const { return field.Get(value); } \
  bool ZALMPVariable::Has##Name() const { return field.isSet; }                       \
  static_assert(true, "")

ZALMPVariable::ZALMPVariable(const ZALMPVariable& source)
    : ZALMPEntity(source),
      m_value(source.m_value),
      m_minValue(source.m_minValue),
      m_maxValue(source.m_maxValue),
      m_restitutionOnMinLimit(source.m_restitutionOnMinLimit),
      m_restitutionOnMaxLimit(source.m_restitutionOnMaxLimit),
      m_physicalQuantity(source.m_physicalQuantity),
      m_type(source.m_type)
{
}

ZALMP_DEFINE_LOADER(ZALMPVariable, ZALIMPVariableLoader);

HRESULT ZALMPVariable::SetAndTell(Optional& field, HRESULT (ZALIMPVariableLoader::*changed)(double), double value)
{
  field.Set(value);
  ZALIMPVariableLoader* loader = nullptr;
  if (FAILED(GetLoader(loader))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return loader ? (loader->*changed)(value) : S_OK;
}

ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPVariable, ZALMPConstraint, m_constraints, LinkToConstraint, RemoveConstraint,
                                  GetLinkedConstraintCount, GetLinkedConstraint);

// RemoveParent asks each linked constraint to drop the variable, stopping at
// the first failure; ClearContainers empties the list.
ZALMP_DEFINE_LINKS(ZALMPVariable, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::List(&ZALMPVariable::m_constraints, L"Constraints", L"Constraint",
                                        &ZALMPVariable::LinkToConstraint, &ZALMPConstraint::RemoveVariable,
                                        ZALMPFilteredCopy::Relinked, ZALMP_HERE));

HRESULT ZALMPVariable::SetValue(double value)
{
  return SetAndTell(m_value, &ZALIMPVariableLoader::ValueChanged, value);
}

ZALMP_DEFINE_OPTIONAL_READERS(Value, m_value);

HRESULT ZALMPVariable::UpdateValue(double value)
{
  m_value.number = value;
  NotifyUpdate();
  if (m_type != ZALMPVariableType::Controlled) return S_OK;
  const int count = GetLinkedConstraintCount();
  for (int i = 0; i < count; ++i) {
    RVLSharedHandle<ZALMPConstraint> constraint;
    if (FAILED(GetLinkedConstraint(i, constraint)) || !constraint) {
      ZALMP_REPORT();
      continue;
    }
    constraint->NotifyUpdate();
  }
  return S_OK;
}

HRESULT ZALMPVariable::SetMinValue(double value)
{
  return SetAndTell(m_minValue, &ZALIMPVariableLoader::MinValueChanged, value);
}

ZALMP_DEFINE_OPTIONAL_READERS(MinValue, m_minValue);

HRESULT ZALMPVariable::SetMaxValue(double value)
{
  return SetAndTell(m_maxValue, &ZALIMPVariableLoader::MaxValueChanged, value);
}

ZALMP_DEFINE_OPTIONAL_READERS(MaxValue, m_maxValue);

HRESULT ZALMPVariable::SetPhysicalQuantity(ZALMPPhysicalQuantity::Enum quantity)
{
  m_physicalQuantity = quantity;
  return S_OK;
}

ZALMPPhysicalQuantity::Enum ZALMPVariable::GetPhysicalQuantity() const
{
  return m_physicalQuantity;
}

HRESULT ZALMPVariable::SetType(ZALMPVariableType::Enum type)
{
  m_type = type;
  return S_OK;
}

ZALMPVariableType::Enum ZALMPVariable::GetType() const
{
  return m_type;
}

ZALMP_DEFINE_OPTIONAL_READERS(StartingValue, m_startingValue);
HRESULT ZALMPVariable::SetStartingValue(double value)
{
  return m_startingValue.Set(value);
}

ZALMP_DEFINE_OPTIONAL_READERS(RestitutionOnMinLimit, m_restitutionOnMinLimit);
HRESULT ZALMPVariable::SetRestitutionOnMinLimit(double value)
{
  return m_restitutionOnMinLimit.Set(value);
}

ZALMP_DEFINE_OPTIONAL_READERS(RestitutionOnMaxLimit, m_restitutionOnMaxLimit);
HRESULT ZALMPVariable::SetRestitutionOnMaxLimit(double value)
{
  return m_restitutionOnMaxLimit.Set(value);
}

HRESULT ZALMPVariable::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPEntity>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  HRESULT result = S_OK;
  if (ZALMPVersion::IsAtLeast(out.Version(), ZALMPVersion::kR2017_0))
    result = WriteGroupedLayout(out);
  else
    WriteOlderLayout(out);
  // Constraint references do not change the result.
  LinkTable().Write(*this, out.Element());
  return result;
}

// From R2017.0 on: each number in a group with its flag, then the quantity and
// the type by name. E_FAIL when any of them was not written completely.
HRESULT ZALMPVariable::WriteGroupedLayout(const ZALMPFieldWriter& out) const
{
  bool complete = true;
  complete &= WriteFlagged(out, kValueGroup, m_value.isSet, m_value.number);
  complete &= WriteFlagged(out, kMaxValueGroup, m_maxValue.isSet, m_maxValue.number);
  complete &= WriteFlagged(out, kMinValueGroup, m_minValue.isSet, m_minValue.number);
  complete &= WriteFlagged(out, kMaxRestitutionGroup, m_restitutionOnMaxLimit.isSet, m_restitutionOnMaxLimit.number);
  complete &= WriteFlagged(out, kMinRestitutionGroup, m_restitutionOnMinLimit.isSet, m_restitutionOnMinLimit.number);
  complete &= out.Name<ZALMPPhysicalQuantity>(kPhysicalQuantity, m_physicalQuantity);
  complete &= out.Name<ZALMPVariableType>(kType, m_type);
  return complete ? S_OK : E_FAIL;
}

// Before R2017.0: the three numbers as attributes whatever their flags, then
// the quantity and (from R2016.0 on) the type by number. Failures are reported only.
void ZALMPVariable::WriteOlderLayout(const ZALMPFieldWriter& out) const
{
  out.Attribute(L"value", m_value.number);
  out.Attribute(L"minvalue", m_minValue.number);
  out.Attribute(L"maxvalue", m_maxValue.number);
  out.Value(kPhysicalQuantity, static_cast<std::int32_t>(m_physicalQuantity));
  if (ZALMPVersion::IsAtLeast(out.Version(), ZALMPVersion::kR2016_0))
    out.Value(kType, static_cast<std::int32_t>(m_type));
}

HRESULT ZALMPVariable::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPEntity>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  HRESULT result = S_OK;
  if (ZALMPVersion::IsAtLeast(in.Version(), ZALMPVersion::kR2017_0))
    result = ReadGroupedLayout(in);
  else
    ReadOlderLayout(in);
  LinkTable().Read(*this, in.Element(), ids);
  if (FAILED(result)) ZALMP_REPORT();
  return result;
}

// Applies whatever can be read; E_FAIL when a group, flag, required number,
// the quantity or the type is missing, or a setter failed.
HRESULT ZALMPVariable::ReadGroupedLayout(const ZALMPFieldReader& in)
{
  bool complete = true;
  bool isSet = false;
  double number = 0.0;

  // The value and the limits go through their setters, so the loader is told.
  using Setter = HRESULT (ZALMPVariable::*)(double);
  const std::array<std::pair<const FlaggedGroup*, Setter>, 3> told = {{
      {&kValueGroup, &ZALMPVariable::SetValue},
      {&kMinValueGroup, &ZALMPVariable::SetMinValue},
      {&kMaxValueGroup, &ZALMPVariable::SetMaxValue},
  }};
  for (const auto& [group, setter] : told) {
    complete &= ReadFlagged(in, *group, isSet, number);
    if (isSet && FAILED((this->*setter)(number))) complete = false;
  }

  // The restitution coefficients are stored without telling the loader.
  const std::array<std::pair<const FlaggedGroup*, Optional*>, 2> stored = {{
      {&kMinRestitutionGroup, &m_restitutionOnMinLimit},
      {&kMaxRestitutionGroup, &m_restitutionOnMaxLimit},
  }};
  for (const auto& [group, field] : stored) {
    complete &= ReadFlagged(in, *group, isSet, number);
    if (isSet) field->Set(number);
  }

  // Texts outside the name tables read as NoPhysicalQuantity / Free.
  ZALMPPhysicalQuantity::Enum quantity = ZALMPPhysicalQuantity::NoPhysicalQuantity;
  if (in.Name<ZALMPPhysicalQuantity>(kPhysicalQuantity, quantity))
    complete &= SUCCEEDED(SetPhysicalQuantity(quantity));
  else
    complete = false;
  ZALMPVariableType::Enum type = ZALMPVariableType::Free;
  if (in.Name<ZALMPVariableType>(kType, type))
    complete &= SUCCEEDED(SetType(type));
  else
    complete = false;
  return complete ? S_OK : E_FAIL;
}

// Before R2017.0: the numbers go straight into their fields (flags untouched,
// loader not told). Missing items are reported only.
void ZALMPVariable::ReadOlderLayout(const ZALMPFieldReader& in)
{
  in.Attribute(L"value", m_value.number);
  in.Attribute(L"minvalue", m_minValue.number);
  in.Attribute(L"maxvalue", m_maxValue.number);
  std::int32_t number = 0;
  if (in.Read(kPhysicalQuantity, number)) SetPhysicalQuantity(static_cast<ZALMPPhysicalQuantity::Enum>(number));
  if (ZALMPVersion::IsAtLeast(in.Version(), ZALMPVersion::kR2016_0) && in.Read(kType, number))
    SetType(static_cast<ZALMPVariableType::Enum>(number));
}

ZALMP_DEFINE_FIELDS(ZALMPVariable, &ZALMPEntity::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPVariable, Value),
                    ZALMP_FIELD_ROW(ZALMPVariable, MinValue),
                    ZALMP_FIELD_ROW(ZALMPVariable, MaxValue),
                    ZALMP_FIELD_ROW(ZALMPVariable, StartingValue),
                    ZALMP_FIELD_ROW(ZALMPVariable, RestitutionOnMinLimit),
                    ZALMP_FIELD_ROW(ZALMPVariable, RestitutionOnMaxLimit),
                    ZALMP_FIELD_ROW(ZALMPVariable, PhysicalQuantity),
                    ZALMP_FIELD_ROW(ZALMPVariable, Type));
