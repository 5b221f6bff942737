#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"

#include <ZALMathPoint.h>
#include <ZALStatus.h>

/// A sphere: a centre and a radius. Its numbers are in the coordinates of its body and are kept exactly as set.
class ZALMP_EXPORT ZALMPSphere : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPSphere, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPSphere);

public:
  ~ZALMPSphere() override;

  /// Adds "Sphere" under `element`: the common part, then "Coordinates" holding "Cx", "Cy", "Cz", "radius". S_OK;
  /// E_FAIL (reported): null `element`, an element that cannot be added or a failed common part. A number that cannot
  /// be written is reported and the rest is written.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the "Sphere" child of `element`: the common part, then the numbers of "Coordinates"; a missing number is
  /// reported and read as 0. S_OK; E_FAIL (reported): null `element`, no "Sphere" or "Coordinates", or a failed
  /// common part. What was read before a failure stays set.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  virtual HRESULT SetCenter(const ZALMathPoint& center);
  virtual HRESULT GetCenter(ZALMathPoint& center) const;
  virtual HRESULT SetRadius(double radius);
  virtual HRESULT GetRadius(double& radius) const;

protected:
  ZALMPSphere();
  /// A copy carries the radius; its points and directions start as for a new sphere, with no body and no constraints.
  ZALMPSphere(const ZALMPSphere& source);

private:
  ZALMathPoint m_centre;
  double m_radius = 0.0;
};
