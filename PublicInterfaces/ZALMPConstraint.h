#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"

#include <memory>
#include <vector>

class ZALIMPConstraintLoader;
class ZALMPConstraintParameter;
class ZALMPGeometry;
class ZALMPJoint;
class ZALMPSensor;
class ZALMPVariable;
struct ZALMPOptionsOrientation;

/// The base of every constraint: the geometries it ties, the joint it may stand
/// for, the variables it uses and the sensors that observe it. Whether it holds
/// and its current value come from the host through the constraint loader.
/// Orphaned, it asks its joint (then lets it go), every geometry, variable and
/// sensor to drop it (the first failure ends it, else the last answer), and
/// empties its three lists; the joint and the solver parameters stay.
///
/// A copy starts as a new constraint with the source's name: no joint, no
/// links and no solver parameters.
class ZALMP_EXPORT ZALMPConstraint : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPConstraint, ZALMPEntity);
  ZALMP_DECLARE_LINKS();

public:
  ~ZALMPConstraint() override;

  /// Writes the common part into the kind's own `element`, then the references
  /// "Geometries", "Joint" (when set), "Variables" and "Sensors" (when not
  /// empty), then "ConstraintParameters" with every solver parameter when at
  /// least one of them is initialized. S_OK; E_FAIL (reported): no element or
  /// a failed common part. Other failures are reported and writing goes on.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the common part, the references and the solver parameters back
  /// from the kind's own `element`; unknown ids are skipped, and the
  /// parameters read follow those already held. S_OK; E_FAIL (reported): no
  /// element or a failed common part. A reference of the wrong kind raises
  /// RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// The entity's loader narrowed to a constraint loader (null when it is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPConstraintLoader, ZALMPEntity);

  /// Replaces the joint (an empty handle clears it); S_OK.
  virtual HRESULT SetJoint(const RVLSharedHandle<ZALMPJoint>& joint);
  /// S_OK and the joint; E_FAIL and a null handle when there is none.
  virtual HRESULT GetJoint(RVLSharedHandle<ZALMPJoint>& joint) const;
  /// S_OK: cleared. S_FALSE: `joint` is not the current joint. E_FAIL: empty (reported).
  HRESULT RemoveJoint(const RVLSharedHandle<ZALMPJoint>& joint);

  /// S_OK: linked. S_FALSE: already linked. E_FAIL: an empty handle (reported).
  virtual HRESULT LinkToGeometry(const RVLSharedHandle<ZALMPGeometry>& geometry);
  virtual HRESULT LinkToVariable(const RVLSharedHandle<ZALMPVariable>& variable);
  virtual HRESULT LinkToSensor(const RVLSharedHandle<ZALMPSensor>& sensor);
  /// S_OK and the i-th link; E_FAIL and a null handle outside the list.
  virtual HRESULT GetLinkedGeometry(int index, RVLSharedHandle<ZALMPGeometry>& geometry) const;
  virtual HRESULT GetLinkedVariable(int index, RVLSharedHandle<ZALMPVariable>& variable) const;
  virtual HRESULT GetLinkedSensor(int index, RVLSharedHandle<ZALMPSensor>& sensor) const;
  virtual int GetLinkedGeometryCount() const;
  virtual int GetLinkedVariableCount() const;
  virtual int GetLinkedSensorCount() const;
  /// S_OK: removed. S_FALSE: not linked. E_FAIL: an empty handle (reported).
  HRESULT RemoveGeometry(const RVLSharedHandle<ZALMPGeometry>& geometry);
  HRESULT RemoveVariable(const RVLSharedHandle<ZALMPVariable>& variable);
  HRESULT RemoveSensor(const RVLSharedHandle<ZALMPSensor>& sensor);

  /// Appends `parameter` (null too), which the constraint then owns. A
  /// parameter added twice is listed twice and deleted once. S_OK.
  virtual HRESULT AddConstraintParameter(ZALMPConstraintParameter* parameter);
  /// S_OK and the i-th parameter, still owned by the constraint; E_FAIL
  /// outside the list, and `parameter` is left as it was.
  virtual HRESULT GetConstraintParameter(int index, ZALMPConstraintParameter*& parameter) const;
  virtual int GetConstraintParameterCount() const;

  /// The loader's answers. Without a loader: false / E_FAIL.
  virtual bool IsSatisfied(double& error);
  /// As above; an error the loader raises makes the answer false.
  virtual bool IsSatisfied();
  virtual HRESULT CurrentValue(int index, double& value, double& secondValue);
  virtual HRESULT CurrentValue(double& value);
  virtual HRESULT CurrentOptions(ZALMPOptionsOrientation& options);

protected:
  ZALMPConstraint();
  ZALMPConstraint(const ZALMPConstraint& source);

private:
  RVLSharedHandle<ZALMPJoint> m_joint;
  ZALMPLinkList<ZALMPGeometry> m_geometries;
  ZALMPLinkList<ZALMPVariable> m_variables;
  ZALMPLinkList<ZALMPSensor> m_sensors;
  // Shared owners so that a pointer added twice shares one owner and is deleted once.
  std::vector<std::shared_ptr<ZALMPConstraintParameter>> m_parameters;
};
