#pragma once
#include "ZALMPExport.h"
#include "ZALMPProperty.h"
#include "ZALMPSensor.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALIMPJointDOFSensorLoader;
class ZALMPJoint;

/// Measures one degree of freedom of a joint (numbered 0 to 5): its position,
/// velocity and acceleration, refreshed by the host's loader.
///
/// A copy keeps the measurement; its joint is linked by the world's copy.
class ZALMP_EXPORT ZALMPJointDOFSensor : public ZALMPSensor {
  ZALMP_DECLARE_KIND(ZALMPJointDOFSensor, ZALMPSensor);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  ZALMP_DECLARE_LOADER(ZALIMPJointDOFSensorLoader, ZALMPSensor);

  /// S_OK: `joint` measured. E_FAIL: an empty handle (reported).
  HRESULT SetJoint(const RVLSharedHandle<ZALMPJoint>& joint);
  /// S_OK and the joint; E_FAIL (reported) and a null handle without one.
  HRESULT GetJoint(RVLSharedHandle<ZALMPJoint>& joint) const;
  /// S_OK: stored. E_FAIL (not reported, the index kept): outside 0 to 5.
  HRESULT SetIndexDOF(const int& index);
  HRESULT GetIndexDOF(int& index) const;

  ZALMP_FIELD(double, Position, m_position);
  ZALMP_FIELD(double, Velocity, m_velocity);
  ZALMP_FIELD(double, Acceleration, m_acceleration);

  /// S_FALSE for an inactive sensor; else the loader's Update answer. E_FAIL
  /// (reported): no joint degree-of-freedom sensor loader.
  HRESULT Update() override;
  /// Index and the three numbers back to 0; the joint stays. S_OK.
  HRESULT Reset() override;

  /// Element "JointDOFSensor": the common part, "Joint" (a reference),
  /// "Position", "Velocity", "Acceleration" and "DOFindex". S_OK; E_FAIL
  /// (reported) for an index outside 0 to 5.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "JointDOFSensor" child of `parent`; a missing number is
  /// reported and left as it was. E_FAIL (reported) without "DOFindex" in 0 to 5.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPJoint> m_joint;
  int m_indexDOF = 0;
};
