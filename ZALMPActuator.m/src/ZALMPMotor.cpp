#define ZALMP_SOURCE_FILE "ZALMPActuator.m/src/ZALMPMotor"
#include <ZALMPAssertionReport.h>

#include "ZALMPLoaderCall.h"
#include <ZALIMPMotorLoader.h>
#include <ZALMPConstant.h>
#include <ZALMPEntitiesServices.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>
#include <ZALMPMotor.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPVariable.h>

#include <ZALWBFactory.h>

#include <array>

ZALMP_DEFINE_KIND(ZALMPMotor, ZALMPActuator);

ZALMPMotor::ZALMPMotor(const ZALMPMotor& source) : ZALMPActuator(source), m_targetType(source.m_targetType) {}

ZALMP_DEFINE_LOADER(ZALMPMotor, ZALIMPMotorLoader);

namespace {

using Quantity = ZALMPPhysicalQuantity;

// Per target: its element id, its code in the target type (none for the
// maximum force) and the quantities a new constant gets when the driven
// variable is a length or an angle (any other quantity is taken as it is).
struct TargetRow {
  const wchar_t* id;
  int code;
  Quantity::Enum ofLength;
  Quantity::Enum ofAngle;
};
constexpr std::array<TargetRow, 4> kTargets = {{
    {L"Position", ZALMPMotorTargetType::PositionTarget, Quantity::Length, Quantity::Angle},
    {L"Velocity", ZALMPMotorTargetType::VelocityTarget, Quantity::Velocity, Quantity::AngularVelocity},
    {L"Acceleration", ZALMPMotorTargetType::AccelerationTarget, Quantity::Acceleration, Quantity::AngularAcceleration},
    {L"MaxForce", 0, Quantity::Force, Quantity::Torque},
}};

HRESULT Fail()
{
  ZALMP_REPORT();
  return E_FAIL;
}

}  // namespace

RVLSharedHandle<ZALMPValue>& ZALMPMotor::Slot(Target target)
{
  RVLSharedHandle<ZALMPValue>* const slots[] = {&m_position, &m_velocity, &m_acceleration, &m_maxForce};
  return *slots[target];
}

const RVLSharedHandle<ZALMPValue>& ZALMPMotor::Slot(Target target) const
{
  return const_cast<ZALMPMotor*>(this)->Slot(target);
}

HRESULT ZALMPMotor::SetVariable(const RVLSharedHandle<ZALMPVariable>& variable)
{
  return ZALMPSetLink(m_variable, variable, ZALMP_HERE);
}

HRESULT ZALMPMotor::LinkToVariable(const RVLSharedHandle<ZALMPVariable>& variable)
{
  if (variable && variable == m_variable) return S_FALSE;
  return SetVariable(variable);
}

HRESULT ZALMPMotor::GetVariable(RVLSharedHandle<ZALMPVariable>& variable) const
{
  return ZALMPGetRequiredLink(m_variable, variable, ZALMP_HERE);
}

HRESULT ZALMPMotor::GetLinkedVariable(int index, RVLSharedHandle<ZALMPVariable>& variable) const
{
  variable.Release();
  if (index != 0 || !m_variable) return Fail();
  variable = m_variable;
  return S_OK;
}

int ZALMPMotor::GetLinkedVariableCount() const
{
  return m_variable ? 1 : 0;
}

HRESULT ZALMPMotor::SetTargetType(ZALMPMotorTargetType::Enum type)
{
  if (type == ZALMPMotorTargetType::NotSpecified) return Fail();
  m_targetType = type;
  return S_OK;
}

HRESULT ZALMPMotor::GetTargetType(ZALMPMotorTargetType::Enum& type) const
{
  type = m_targetType;
  return S_OK;
}

// The target type is the union of the codes of the targets given.
void ZALMPMotor::JoinTargetCode(Target target)
{
  m_targetType = static_cast<ZALMPMotorTargetType::Enum>(m_targetType | kTargets[target].code);
}

HRESULT ZALMPMotor::SetTarget(Target target, const RVLSharedHandle<ZALMPValue>& value)
{
  if (!value) return Fail();
  JoinTargetCode(target);
  Slot(target) = value;
  return ZALMPTellLoader<ZALIMPMotorLoader>(
      *this,
      [&](ZALIMPMotorLoader& loader) {
        switch (target) {
          case Position: return loader.OnPositionChanged(value);
          case Velocity: return loader.OnVelocityChanged(value);
          case Acceleration: return loader.OnAccelerationChanged(value);
          default: return loader.OnMaxForceChanged(value);
        }
      },
      ZALMP_HERE);
}

HRESULT ZALMPMotor::TargetQuantity(Target target, ZALMPPhysicalQuantity::Enum& quantity) const
{
  if (!m_variable) return Fail();
  quantity = m_variable->GetPhysicalQuantity();
  if (target == Position) return S_OK;
  if (quantity == Quantity::Length) quantity = kTargets[target].ofLength;
  if (quantity == Quantity::Angle) quantity = kTargets[target].ofAngle;
  return S_OK;
}

// The code joins the type before anything can fail.
HRESULT ZALMPMotor::SetTargetNumber(Target target, double number)
{
  JoinTargetCode(target);
  return ZALMPSetNumberValue(
      RVLSharedHandle<ZALMPEntity>(this), Slot(target), number,
      [&](ZALMPPhysicalQuantity::Enum& quantity) { return TargetQuantity(target, quantity); },
      [&](const RVLSharedHandle<ZALMPValue>& value) { return SetTarget(target, value); }, ZALMP_HERE);
}

// A factory replaced here goes back to whoever gave it: the expression made
// from it may still be in use.
HRESULT ZALMPMotor::SetTargetFactory(Target target, ZALWBFactory* factory)
{
  if (!factory) return Fail();
  JoinTargetCode(target);
  static_cast<void>(m_factories[target].release());
  m_factories[target].reset(factory);
  ZALMPPhysicalQuantity::Enum quantity = Quantity::NoPhysicalQuantity;
  RVLSharedHandle<ZALMPValue> expression;
  if (FAILED(TargetQuantity(target, quantity)) ||
      FAILED(CreateExpressionValue(factory, RVLSharedHandle<ZALMPEntity>(this), quantity, expression)) ||
      FAILED(SetTarget(target, expression)))
    return Fail();
  return S_OK;
}

HRESULT ZALMPMotor::GetTargetNumber(Target target, double& number) const
{
  if (SUCCEEDED(ReadConstantValue(Slot(target), number))) return S_OK;
  return Fail();
}

HRESULT ZALMPMotor::GetTargetFactory(Target target, ZALWBFactory*& factory) const
{
  factory = m_factories[target].get();
  return factory ? S_OK : E_FAIL;
}

// The four forms of each target.
#define ZALMP_MOTOR_TARGET(Name)                                                                            \
  HRESULT ZALMPMotor::Set##Name(const RVLSharedHandle<ZALMPValue>& value) { return SetTarget(Name, value); } \
  HRESULT ZALMPMotor::Get##Name(RVLSharedHandle<ZALMPValue>& value) const { return ZALMPGetLink(Slot(Name), value); } \
  HRESULT ZALMPMotor::Set##Name(double number) { return SetTargetNumber(Name, number); }                    \
  HRESULT ZALMPMotor::Get##Name(double& number) const { return GetTargetNumber(Name, number); }             \
  HRESULT ZALMPMotor::Set##Name(ZALWBFactory* factory) { return SetTargetFactory(Name, factory); }          \
  HRESULT ZALMPMotor::Get##Name(ZALWBFactory*& factory) const { return GetTargetFactory(Name, factory); }   \
  bool ZALMPMotor::HasConstant##Name() const { return static_cast<bool>(RVLSharedHandle<ZALMPConstant>::TryNarrow(Slot(Name))); } \
  static_assert(true, "")

ZALMP_MOTOR_TARGET(Position);
ZALMP_MOTOR_TARGET(Velocity);
ZALMP_MOTOR_TARGET(Acceleration);
ZALMP_MOTOR_TARGET(MaxForce);

HRESULT ZALMPMotor::Activate()
{
  if (IsActive()) return S_OK;
  ZALIMPMotorLoader* loader = nullptr;
  if (FAILED(ZALMPEntity::Activate()) || FAILED(GetLoader(loader))) return Fail();
  return loader ? S_OK : S_FALSE;
}

// The loader hears of the deactivation twice: through the entity, then here.
HRESULT ZALMPMotor::Deactivate()
{
  if (!IsActive()) return S_OK;
  ZALIMPMotorLoader* loader = nullptr;
  if (FAILED(ZALMPEntity::Deactivate()) || FAILED(GetLoader(loader))) return Fail();
  return loader ? loader->OnDeactivate() : S_FALSE;
}

// The variable is never asked anything; the values are the motor's own
// settings, copied along with it by a filtered copy.
ZALMP_DEFINE_LINKS(ZALMPMotor, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPMotor::m_variable, L"Variable", &ZALMPMotor::SetVariable,
                                               ZALMPFilteredCopy::Relinked, ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPMotor::m_position, L"Position", &ZALMPMotor::SetPosition,
                                               ZALMPFilteredCopy::CopiedAlong, ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPMotor::m_velocity, L"Velocity", &ZALMPMotor::SetVelocity,
                                               ZALMPFilteredCopy::CopiedAlong, ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPMotor::m_acceleration, L"Acceleration",
                                               &ZALMPMotor::SetAcceleration, ZALMPFilteredCopy::CopiedAlong,
                                               ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPMotor::m_maxForce, L"MaxForce", &ZALMPMotor::SetMaxForce,
                                               ZALMPFilteredCopy::CopiedAlong, ZALMP_HERE, ZALMPLinkRelease::Never));

HRESULT ZALMPMotor::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPActuator>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  if (m_variable)
    LinkTable().OwnLinks()[0]->Write(*this, out.Element());
  else
    ZALMP_REPORT();
  bool written = out.Name<ZALMPMotorTargetType>(L"TargetType", m_targetType);
  ZALMPSerializer* element = out.Element();
  for (int target = 0; target < TargetCount; ++target) {
    const RVLSharedHandle<ZALMPValue>& value = Slot(static_cast<Target>(target));
    if (value && FAILED(ZALMPSerializationServices::Serialize(element, value, kTargets[target].id))) written = false;
  }
  return written ? S_OK : Fail();
}

HRESULT ZALMPMotor::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPActuator>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  LinkTable().OwnLinks()[0]->Read(*this, in.Element(), ids);
  bool read = in.Name<ZALMPMotorTargetType>(L"TargetType", m_targetType);
  for (int target = 0; target < TargetCount; ++target) {
    if (!in.Has(kTargets[target].id)) continue;
    RVLSharedHandle<ZALMPValue> value;
    if (FAILED(ZALMPSerializationServices::Deserialize(in.Element(), kTargets[target].id, ids, value)) ||
        FAILED(SetTarget(static_cast<Target>(target), value)))
      read = false;
  }
  return read ? S_OK : Fail();
}

ZALMP_DEFINE_FIELDS(ZALMPMotor, &ZALMPActuator::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPMotor, TargetType),
                    ZALMP_FIELD_ROW_OF(ZALMPMotor, double, Position),
                    ZALMP_FIELD_ROW_OF(ZALMPMotor, double, Velocity),
                    ZALMP_FIELD_ROW_OF(ZALMPMotor, double, Acceleration),
                    ZALMP_FIELD_ROW_OF(ZALMPMotor, double, MaxForce));
