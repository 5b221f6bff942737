#pragma once
#include "ZALMPActuator.h"
#include "ZALMPExport.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALIMPJointForceActuatorLoader;
class ZALMPJoint;
class ZALMPValue;

/// Applies a force (a value entity) along one degree of freedom of a joint,
/// numbered 0 to 5.
///
/// A copy keeps the degree of freedom; its force and joint are linked by the
/// world's copy.
class ZALMP_EXPORT ZALMPJointForceActuator : public ZALMPActuator {
  ZALMP_DECLARE_KIND(ZALMPJointForceActuator, ZALMPActuator);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  ZALMP_DECLARE_LOADER(ZALIMPJointForceActuatorLoader, ZALMPActuator);

  /// Holds `force` and tells the loader (whose failing answer is reported and
  /// returned). An empty handle is reported and not held; the loader is still
  /// told, and the result is E_FAIL.
  HRESULT SetForce(const RVLSharedHandle<ZALMPValue>& force);
  /// S_OK and the force; E_FAIL (reported) and a null handle without one.
  HRESULT GetForce(RVLSharedHandle<ZALMPValue>& force) const;
  /// E_FAIL (reported): an empty handle. S_FALSE: the joint held already.
  /// Else held and the loader's answer (a failing one reported).
  virtual HRESULT SetJoint(const RVLSharedHandle<ZALMPJoint>& joint);
  /// S_OK and the joint; E_FAIL (reported) and a null handle without one.
  virtual HRESULT GetJoint(RVLSharedHandle<ZALMPJoint>& joint) const;
  /// S_OK: stored. E_FAIL (not reported): outside 0 to 5.
  HRESULT SetIndexDOF(const int& index);
  /// S_OK and the index; E_FAIL when the stored one lies outside 0 to 5.
  HRESULT GetIndexDOF(int& index) const;

  /// Element "JointForceActuator": the actuator part, "Force" and "Joint"
  /// (references) and "DOFindex". S_OK when the force and the index were
  /// written; else E_FAIL (reported).
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "JointForceActuator" child of `parent`. E_FAIL (reported)
  /// when the force cannot be set or "DOFindex" is missing or outside 0 to 5.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPValue> m_force;
  RVLSharedHandle<ZALMPJoint> m_joint;
  int m_indexDOF = 0;
};
