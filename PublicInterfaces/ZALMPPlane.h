#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathPlane.h>
#include <ZALStatus.h>

/// A plane: an origin and a normal, with the in-plane directions that the plane makes of them, in the coordinates of
/// its body.
class ZALMP_EXPORT ZALMPPlane : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPPlane, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPPlane);

public:
  ~ZALMPPlane() override;

  /// Adds "Plane" under `element`: the common part, then "Coordinates" holding "Ox", "Oy", "Oz", "Nx", "Ny", "Nz".
  /// S_OK; E_FAIL (reported): null `element`, an element that cannot be added or a failed common part. A number that
  /// cannot be written is reported and the rest is written.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the "Plane" child of `element`: the common part, then the numbers of "Coordinates"; a missing number is
  /// reported and read as 0. The plane is made again from the origin and the normal. S_OK; E_FAIL (reported): null
  /// `element`, no "Plane" or "Coordinates", or a failed common part.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain store and copy; S_OK.
  ZALMP_PROPERTY(ZALMathPlane, Plane, m_plane);

protected:
  ZALMPPlane();
  /// A copy starts as a new plane with the source's name: no body, no constraints, the plane at its default.
  ZALMPPlane(const ZALMPPlane& source);

private:
  ZALMathPlane m_plane;
};
