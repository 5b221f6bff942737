#pragma once
#include "ZALMPActuator.h"
#include "ZALMPExport.h"
#include "ZALMPMotorTargetType.h"
#include "ZALMPPhysicalQuantity.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

#include <memory>

class ZALIMPMotorLoader;
class ZALMPValue;
class ZALMPVariable;
class ZALWBFactory;

/// Drives one variable towards a position, velocity or acceleration target,
/// bounded by a maximum force. Each target is a value entity (a constant, or
/// an expression of the world's time made from an equation factory the motor
/// then owns); each target given adds its code to the target type. The motor
/// loader hears of every target set.
///
/// A copy keeps the target type; its variable and values are linked by the
/// world's copy, and it owns no factory.
class ZALMP_EXPORT ZALMPMotor : public ZALMPActuator {
  ZALMP_DECLARE_KIND(ZALMPMotor, ZALMPActuator);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  ZALMP_DECLARE_LOADER(ZALIMPMotorLoader, ZALMPActuator);

  /// S_OK: `variable` is driven from now on. E_FAIL: an empty handle (reported).
  HRESULT SetVariable(const RVLSharedHandle<ZALMPVariable>& variable);
  /// As SetVariable, S_FALSE when it is the variable driven already.
  HRESULT LinkToVariable(const RVLSharedHandle<ZALMPVariable>& variable);
  /// S_OK and the variable; E_FAIL (reported) and a null handle without one.
  HRESULT GetVariable(RVLSharedHandle<ZALMPVariable>& variable) const;
  /// The variable as a list of at most one: index 0 only (else reported).
  HRESULT GetLinkedVariable(int index, RVLSharedHandle<ZALMPVariable>& variable) const;
  int GetLinkedVariableCount() const;

  /// NotSpecified is refused (reported, E_FAIL); any other replaces the type.
  HRESULT SetTargetType(ZALMPMotorTargetType::Enum type);
  HRESULT GetTargetType(ZALMPMotorTargetType::Enum& type) const;

  /// A target as a value: E_FAIL (reported) for an empty handle; else its code
  /// joins the target type (none for the maximum force), it is held, and the
  /// loader's answer is the result.
  HRESULT SetPosition(const RVLSharedHandle<ZALMPValue>& value);
  HRESULT SetVelocity(const RVLSharedHandle<ZALMPValue>& value);
  HRESULT SetAcceleration(const RVLSharedHandle<ZALMPValue>& value);
  HRESULT SetMaxForce(const RVLSharedHandle<ZALMPValue>& value);
  /// S_OK and the value; E_FAIL (not reported) and a null handle without one.
  HRESULT GetPosition(RVLSharedHandle<ZALMPValue>& value) const;
  HRESULT GetVelocity(RVLSharedHandle<ZALMPValue>& value) const;
  HRESULT GetAcceleration(RVLSharedHandle<ZALMPValue>& value) const;
  HRESULT GetMaxForce(RVLSharedHandle<ZALMPValue>& value) const;

  /// A target as a number: its code joins the target type first; a held
  /// constant takes the number, else a new constant is made of the quantity
  /// that fits the driven variable (its own for a position; the matching
  /// velocity, acceleration or force or torque of a length or an angle) and
  /// filed in the motor's world; either is then set as the value. E_FAIL
  /// (reported) when a new constant is needed and there is no variable.
  HRESULT SetPosition(double number);
  HRESULT SetVelocity(double number);
  HRESULT SetAcceleration(double number);
  HRESULT SetMaxForce(double number);
  /// The number of a constant target; 0 and E_FAIL (reported) otherwise.
  HRESULT GetPosition(double& number) const;
  HRESULT GetVelocity(double& number) const;
  HRESULT GetAcceleration(double& number) const;
  HRESULT GetMaxForce(double& number) const;

  /// A target as an expression of the world's time over the one equation of
  /// `factory`, which the motor owns from now on (a factory it held for that
  /// target goes back to the caller, who keeps it while expressions made from
  /// it are in use). E_FAIL (reported): no factory, no variable, or the
  /// expression cannot be made or set.
  HRESULT SetPosition(ZALWBFactory* factory);
  HRESULT SetVelocity(ZALWBFactory* factory);
  HRESULT SetAcceleration(ZALWBFactory* factory);
  HRESULT SetMaxForce(ZALWBFactory* factory);
  /// The factory held for the target (still the motor's); null and E_FAIL without one.
  HRESULT GetPosition(ZALWBFactory*& factory) const;
  HRESULT GetVelocity(ZALWBFactory*& factory) const;
  HRESULT GetAcceleration(ZALWBFactory*& factory) const;
  HRESULT GetMaxForce(ZALWBFactory*& factory) const;

  /// True when the target is a constant.
  bool HasConstantPosition() const;
  bool HasConstantVelocity() const;
  bool HasConstantAcceleration() const;
  bool HasConstantMaxForce() const;

  /// Already active: S_OK. Else the entity's activation (its loader is told),
  /// then S_FALSE without a motor loader and S_OK with one.
  HRESULT Activate() override;
  /// Already inactive: S_OK. Else the entity's deactivation, then S_FALSE
  /// without a motor loader, else the loader's OnDeactivate answer.
  HRESULT Deactivate() override;

  /// Element "Motor": the actuator part, "Variable" (a reference),
  /// "TargetType" (its name) and "Position", "Velocity", "Acceleration",
  /// "MaxForce" (references, those held). S_OK; E_FAIL (reported) when the
  /// target type or a held target could not be written.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "Motor" child of `parent`; the targets are set through
  /// their setters, so their codes join the type read. S_OK; E_FAIL
  /// (reported) when the type is missing or a target could not be set.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  // One target: its code in the target type, its value, its factory and how
  // its loader hears of it.
  enum Target { Position, Velocity, Acceleration, MaxForce, TargetCount };
  void JoinTargetCode(Target target);
  HRESULT SetTarget(Target target, const RVLSharedHandle<ZALMPValue>& value);
  HRESULT SetTargetNumber(Target target, double number);
  HRESULT SetTargetFactory(Target target, ZALWBFactory* factory);
  HRESULT GetTargetNumber(Target target, double& number) const;
  HRESULT GetTargetFactory(Target target, ZALWBFactory*& factory) const;
  HRESULT TargetQuantity(Target target, ZALMPPhysicalQuantity::Enum& quantity) const;
  RVLSharedHandle<ZALMPValue>& Slot(Target target);
  const RVLSharedHandle<ZALMPValue>& Slot(Target target) const;

  RVLSharedHandle<ZALMPVariable> m_variable;
  ZALMPMotorTargetType::Enum m_targetType = ZALMPMotorTargetType::NotSpecified;
  std::unique_ptr<ZALWBFactory> m_factories[TargetCount];
  RVLSharedHandle<ZALMPValue> m_position;
  RVLSharedHandle<ZALMPValue> m_velocity;
  RVLSharedHandle<ZALMPValue> m_acceleration;
  RVLSharedHandle<ZALMPValue> m_maxForce;
};
