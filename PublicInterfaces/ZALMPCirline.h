#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

/// A curve that is a circle or, at curvature 0, a line: a centre, a major direction, the normal of its plane and a
/// curvature. Its numbers are in the coordinates of its body and are kept exactly as set. It writes "Cirline" holding
/// the common part and "Coordinates" with "Cx", "Cy", "Cz", "Dx", "Dy", "Dz", "Nx", "Ny", "Nz", "curvature", each
/// direction made a unit vector on reading.
class ZALMP_EXPORT ZALMPCirline : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPCirline, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPCirline);

public:
  ~ZALMPCirline() override;

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
  ZALMPCirline();
  /// A copy carries the curvature; its points and directions start as for a new cirline, with no body and no
  /// constraints.
  ZALMPCirline(const ZALMPCirline& source);

private:
  ZALMathPoint m_centre;
  ZALMathVector m_majorDirection{1.0, 0.0, 0.0};
  ZALMathVector m_normal{1.0, 0.0, 0.0};
  double m_curvature = 0.0;
};
