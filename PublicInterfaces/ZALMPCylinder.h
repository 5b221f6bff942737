#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>
#include <ZALStatus.h>

/// A cylinder: an origin on its axis, the axis direction and a radius. Its numbers are in the coordinates of its body
/// and are kept exactly as set.
class ZALMP_EXPORT ZALMPCylinder : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPCylinder, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPCylinder);

public:
  ~ZALMPCylinder() override;

  /// Adds "Cylinder" under `element`: the common part, then "Coordinates" holding "Ox", "Oy", "Oz", "Dx", "Dy", "Dz",
  /// "radius". S_OK; E_FAIL (reported): null `element`, an element that cannot be added or a failed common part. A
  /// number that cannot be written is reported and the rest is written.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the "Cylinder" child of `element`: the common part, then the numbers of "Coordinates"; a missing number is
  /// reported and read as 0. The axis is made a unit vector ((1, 0, 0) for the zero vector). S_OK; E_FAIL (reported):
  /// null `element`, no "Cylinder" or "Coordinates", or a failed common part. What was read before a failure stays
  /// set.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  virtual HRESULT SetOrigin(const ZALMathPoint& origin);
  virtual HRESULT GetOrigin(ZALMathPoint& origin) const;
  virtual HRESULT SetAxis(const ZALMathVector& axis);
  virtual HRESULT GetAxis(ZALMathVector& axis) const;
  virtual HRESULT SetRadius(double radius);
  virtual HRESULT GetRadius(double& radius) const;

protected:
  ZALMPCylinder();
  /// A copy carries the radius; its points and directions start as for a new cylinder, with no body and no
  /// constraints.
  ZALMPCylinder(const ZALMPCylinder& source);

private:
  ZALMathPoint m_origin;
  ZALMathVector m_axis{1.0, 0.0, 0.0};
  double m_radius = 0.0;
};
