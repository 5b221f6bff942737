#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

/// A hyperbola: a centre, the direction of its major axis, the normal of its plane, a major and a minor radius. Its
/// numbers are in the coordinates of its body and are kept exactly as set. It writes "Hyperbola" holding the common
/// part and "Coordinates" with "Cx", "Cy", "Cz", "Dx", "Dy", "Dz", "Nx", "Ny", "Nz", "major_radius", "minor_radius",
/// each direction made a unit vector on reading.
class ZALMP_EXPORT ZALMPHyperbola : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPHyperbola, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPHyperbola);

public:
  ~ZALMPHyperbola() override;

  /// The layout above, in the frame every geometry kind shares (ZALMPGeometry).
  HRESULT Serialize(ZALMPSerializer* element) const override;
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_PROPERTY(ZALMathPoint, Center, m_centre);
  ZALMP_PROPERTY(ZALMathVector, MajorDirection, m_majorDirection);
  ZALMP_PROPERTY(ZALMathVector, Normal, m_normal);
  ZALMP_PROPERTY(double, MajorRadius, m_majorRadius);
  ZALMP_PROPERTY(double, MinorRadius, m_minorRadius);

protected:
  ZALMPHyperbola();
  /// A copy carries the major radius and the minor radius; its points and directions start as for a new hyperbola,
  /// with no body and no constraints.
  ZALMPHyperbola(const ZALMPHyperbola& source);

private:
  ZALMathPoint m_centre;
  ZALMathVector m_majorDirection{1.0, 0.0, 0.0};
  ZALMathVector m_normal{1.0, 0.0, 0.0};
  double m_majorRadius = 0.0;
  double m_minorRadius = 0.0;
};
