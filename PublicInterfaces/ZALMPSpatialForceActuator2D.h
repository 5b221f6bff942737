#pragma once
#include "ZALMPActuator.h"
#include "ZALMPExport.h"
#include "ZALMPProperty.h"

#include <RVLSharedHandle.h>
#include <ZALMathPoint2D.h>
#include <ZALMathVector2D.h>
#include <ZALStatus.h>

#include <array>

class ZALIMPSpatialForceActuator2DLoader;
class ZALMPBody2D;
class ZALMPValue;

/// Applies a planar force (two value entities, x and y) and a torque (one)
/// at a point of a planar body.
///
/// A copy keeps the point and the flag; its values and body are linked by
/// the world's copy.
class ZALMP_EXPORT ZALMPSpatialForceActuator2D : public ZALMPActuator {
  ZALMP_DECLARE_KIND(ZALMPSpatialForceActuator2D, ZALMPActuator);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  using Force = RVLSharedHandle<ZALMPValue>[2];
  using Torque = RVLSharedHandle<ZALMPValue>[1];

  ZALMP_DECLARE_LOADER(ZALIMPSpatialForceActuator2DLoader, ZALMPActuator);

  /// Holds the components (an empty one is reported and nothing is held),
  /// then the loader's answer (S_OK without one).
  HRESULT SetForce(const Force& force);
  HRESULT SetTorque(const Torque& torque);
  /// The held components. S_OK.
  HRESULT GetForce(Force& force) const;
  HRESULT GetTorque(Torque& torque) const;
  /// New constants (no quantity, in no world) holding the numbers, held as
  /// the components. E_FAIL (reported) when they cannot be held.
  HRESULT SetForce(const ZALMathVector2D& vector);
  HRESULT SetTorque(const double& torque);
  /// The numbers of the held constants: a force component that is not one
  /// reads as 0 (reported, S_OK); a torque that is not one gives E_FAIL (reported).
  HRESULT GetForce(ZALMathVector2D& vector) const;
  HRESULT GetTorque(double& torque) const;

  /// E_FAIL (reported): an empty handle. S_FALSE: the body held already. Else
  /// held and the loader's answer.
  HRESULT SetBody(const RVLSharedHandle<ZALMPBody2D>& body);
  /// S_OK and the body; E_FAIL (not reported) and a null handle without one.
  HRESULT GetBody(RVLSharedHandle<ZALMPBody2D>& body) const;
  /// S_FALSE: the point held already. Else held and the loader's answer.
  HRESULT SetApplicationPoint(const ZALMathPoint2D& point);
  HRESULT GetApplicationPoint(ZALMathPoint2D& point) const;

  ZALMP_PROPERTY(bool, IsInLocalFrame, m_isInLocalFrame);
  HRESULT IsInLocalFrame(bool& isInLocalFrame) const { return GetIsInLocalFrame(isInLocalFrame); }

  /// Element "SpatialForceActuator2D": the actuator part, "Force2D" ("Vx",
  /// "Vy" references), "Torque2D" ("Vx"), "IsInLocalFrame",
  /// "ApplicationPoint2D" and "Body2D" (a reference). S_OK; E_FAIL (reported)
  /// when a group could not be written.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "SpatialForceActuator2D" child of `parent`. E_FAIL
  /// (reported) when a group is missing or refused, after the rest was read.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  std::array<RVLSharedHandle<ZALMPValue>, 2> m_force;
  std::array<RVLSharedHandle<ZALMPValue>, 1> m_torque;
  ZALMathPoint2D m_applicationPoint;
  RVLSharedHandle<ZALMPBody2D> m_body;
  bool m_isInLocalFrame = false;
};
