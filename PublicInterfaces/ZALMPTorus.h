#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

/// A torus: a centre, the normal of its middle plane, a major and a minor radius. Its numbers are in the coordinates
/// of its body and are kept exactly as set. It writes "Torus" holding the common part and "Coordinates" with "Cx",
/// "Cy", "Cz", "Nx", "Ny", "Nz", "major_radius", "minor_radius", each direction made a unit vector on reading.
class ZALMP_EXPORT ZALMPTorus : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPTorus, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPTorus);

public:
  ~ZALMPTorus() override;

  /// The layout above, in the frame every geometry kind shares (ZALMPGeometry).
  HRESULT Serialize(ZALMPSerializer* element) const override;
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_PROPERTY(ZALMathPoint, Center, m_centre);
  ZALMP_PROPERTY(ZALMathVector, Normal, m_normal);
  ZALMP_PROPERTY(double, MajorRadius, m_majorRadius);
  ZALMP_PROPERTY(double, MinorRadius, m_minorRadius);

protected:
  ZALMPTorus();
  /// A copy carries the major radius and the minor radius; its points and directions start as for a new torus, with
  /// no body and no constraints.
  ZALMPTorus(const ZALMPTorus& source);

private:
  ZALMathPoint m_centre;
  ZALMathVector m_normal{1.0, 0.0, 0.0};
  double m_majorRadius = 0.0;
  double m_minorRadius = 0.0;
};
