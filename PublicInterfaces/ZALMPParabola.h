#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

/// A parabola: a centre, the direction of its major axis, the normal of its plane and a curvature. Its numbers are in
/// the coordinates of its body and are kept exactly as set. It writes "Parabola" holding the common part and
/// "Coordinates" with "Cx", "Cy", "Cz", "Dx", "Dy", "Dz", "Nx", "Ny", "Nz", "curvature", each direction made a unit
/// vector on reading.
class ZALMP_EXPORT ZALMPParabola : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPParabola, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPParabola);

public:
  ~ZALMPParabola() override;

  /// The layout above, in the frame every geometry kind shares (ZALMPGeometry).
  HRESULT Serialize(ZALMPSerializer* element) const override;
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain stores and copies; S_OK. Nothing is checked or normalised here (a
  /// zero direction or a negative radius is kept as given).
  ZALMP_PROPERTY(ZALMathPoint, Center, m_centre);
  ZALMP_PROPERTY(ZALMathVector, MajorDirection, m_majorDirection);
  ZALMP_PROPERTY(ZALMathVector, Normal, m_normal);
  ZALMP_PROPERTY(double, Curvature, m_curvature);

protected:
  ZALMPParabola();
  /// A copy carries the curvature; its points and directions start as for a new parabola, with no body and no
  /// constraints.
  ZALMPParabola(const ZALMPParabola& source);

private:
  ZALMathPoint m_centre;
  ZALMathVector m_majorDirection{1.0, 0.0, 0.0};
  ZALMathVector m_normal{1.0, 0.0, 0.0};
  double m_curvature = 0.0;
};
