#pragma once
#include "ZALMPExport.h"
#include "ZALMPSensor.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

#include <array>

class ZALIMPMotorForceSensorLoader;
class ZALMPMotor;

/// Measures the force a motor applies, with two optional three-component
/// vectors the host may add, refreshed by the host's loader.
///
/// A copy keeps the measurement; its motor is linked by the world's copy.
class ZALMP_EXPORT ZALMPMotorForceSensor : public ZALMPSensor {
  ZALMP_DECLARE_KIND(ZALMPMotorForceSensor, ZALMPSensor);
  ZALMP_DECLARE_LINKS();

public:
  ZALMP_DECLARE_LOADER(ZALIMPMotorForceSensorLoader, ZALMPSensor);

  /// S_OK: `motor` measured. E_FAIL: an empty handle (reported).
  HRESULT SetMotor(const RVLSharedHandle<ZALMPMotor>& motor);
  /// S_OK and the motor; E_FAIL (reported) and a null handle without one.
  HRESULT GetMotor(RVLSharedHandle<ZALMPMotor>& motor) const;
  /// Stores `force` and, when given, the three numbers behind `first` and
  /// behind `second`. S_OK.
  HRESULT SetForce(double force, const double* first = nullptr, const double* second = nullptr);
  /// Reads them back the same way. S_OK.
  HRESULT GetForce(double& force, double* first = nullptr, double* second = nullptr) const;

  /// S_FALSE for an inactive sensor; else the loader's Update answer. E_FAIL
  /// (reported): no motor force sensor loader.
  HRESULT Update() override;
  /// The force and both vectors back to 0; the motor stays. S_OK.
  HRESULT Reset() override;

  /// Element "MotorForceSensor": the common part, "Motor" (a reference) and
  /// "Force" (the vectors are not saved). S_OK.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "MotorForceSensor" child of `parent`. E_FAIL (reported)
  /// without "Force".
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPMotor> m_motor;
  double m_force = 0.0;
  std::array<double, 3> m_first{};
  std::array<double, 3> m_second{};
};
