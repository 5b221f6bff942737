#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"
#include "ZALMPProperty.h"

#include <ZALMathAxis.h>
#include <ZALStatus.h>

/// An axis system: an origin and three directions, kept exactly as set, in the coordinates of its body.
class ZALMP_EXPORT ZALMPAxisSystem : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPAxisSystem, ZALMPGeometry);
  ZALMP_DECLARE_CONCRETE(ZALMPAxisSystem);

public:
  ~ZALMPAxisSystem() override;

  /// Adds "AxisSystem" under `element`: the common part, then "Coordinates" holding "Ox", "Oy", "Oz", "D1x", "D1y",
  /// "D1z", "D2x", "D2y", "D2z", "D3x", "D3y", "D3z". S_OK; E_FAIL (reported): null `element`, an element that cannot
  /// be added or a failed common part. A number that cannot be written is reported and the rest is written.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the "AxisSystem" child of `element`: the common part, then the numbers of "Coordinates"; a missing number
  /// is reported and read as 0. The origin and the three directions are taken as read. S_OK; E_FAIL (reported): null
  /// `element`, no "AxisSystem" or "Coordinates", or a failed common part.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Plain store and copy; S_OK.
  ZALMP_PROPERTY(ZALMathAxis, AxisSystem, m_axis);

protected:
  ZALMPAxisSystem();
  /// A copy starts as a new axis system with the source's name: no body, no constraints, the axis at its default.
  ZALMPAxisSystem(const ZALMPAxisSystem& source);

private:
  ZALMathAxis m_axis;
};
