#pragma once
#include "ZALMPAxisMode.h"
#include "ZALMPExport.h"
#include "ZALMPSensor.h"

#include <RVLSharedHandle.h>
#include <ZALMathVector.h>
#include <ZALStatus.h>

#include <optional>

class ZALIMPJointSpatialForceSensorLoader;
class ZALMPJoint;
class ZALMathAxis;
class ZALMathPoint;
class ZALMathTransformation;

/// Measures the force and torque transmitted through a joint, as the host measured it in world axes, on the body at
/// a body index, refreshed by the host's loader.
///
/// A copy keeps the measurement and the index; its joint is linked by the world's copy.
class ZALMP_EXPORT ZALMPJointSpatialForceSensor : public ZALMPSensor {
  ZALMP_DECLARE_KIND(ZALMPJointSpatialForceSensor, ZALMPSensor);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  ZALMP_DECLARE_LOADER(ZALIMPJointSpatialForceSensorLoader, ZALMPSensor);

  /// S_OK: measured. E_FAIL: an empty handle (reported).
  HRESULT SetJoint(const RVLSharedHandle<ZALMPJoint>& measured);
  /// S_OK and it; E_FAIL (reported) and a null handle without one.
  HRESULT GetJoint(RVLSharedHandle<ZALMPJoint>& measured) const;
  /// S_OK: stored. E_FAIL (reported): a negative index.
  HRESULT SetIndexBody(int index);
  /// S_OK and the index; E_FAIL (reported) when the stored one is negative.
  HRESULT GetIndexBody(int& index) const;
  /// Stores the measurement. S_OK.
  HRESULT SetSpatialForce(const ZALMathVector& force, const ZALMathVector& torque);
  /// The measurement in the axes of `mode`, the torque first moved to
  /// `point` when one is given: GlobalFrame, BodyFrame (the joint's linked body at the body index),
  /// LocalFrame, or AxisSystem (`axis`, which must be given: else E_FAIL,
  /// not reported). E_FAIL (reported) when what a mode needs cannot be had;
  /// E_FAIL (not reported) for a mode outside these.
  HRESULT GetSpatialForce(ZALMathVector& force, ZALMathVector& torque,
                          ZALMPAxisMode::Enum mode = ZALMPAxisMode::GlobalFrame, const ZALMathAxis* axis = nullptr,
                          const ZALMathPoint* point = nullptr) const;
  /// The stored measurement as six numbers. S_OK.
  HRESULT GetSpatialForce(double& fx, double& fy, double& fz, double& tx, double& ty, double& tz) const;
  /// The joint's frame: the first frame its geometry gives (ZALMPJointFramesServices::ComputeFrames), in the world. E_FAIL (reported) without a joint or frames.
  HRESULT GetJointFrame(ZALMathTransformation& frame) const;

  /// S_FALSE for an inactive sensor; else the loader's Update answer. E_FAIL
  /// (reported): no such loader.
  HRESULT Update() override;
  /// The force and torque back to zero; S_OK.
  HRESULT Reset() override;

  /// Element "JointSpatialForceSensor": the common part, "Joint" (a reference),
  /// "Index", "Force" and "Torque". S_OK.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "JointSpatialForceSensor" child of `parent`. E_FAIL
  /// (reported) when the measurement cannot be stored.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  HRESULT MeasuredBodyPlacement(ZALMathTransformation& placement) const;
  /// What carries the measurement into the axes of `mode` (GlobalFrame,
  /// BodyFrame or LocalFrame); none when it is taken as measured.
  HRESULT ModeMapping(ZALMPAxisMode::Enum mode, std::optional<ZALMathTransformation>& mapping) const;

  RVLSharedHandle<ZALMPJoint> m_measured;
  int m_indexBody = 0;
  ZALMathVector m_force;
  ZALMathVector m_torque;
};
