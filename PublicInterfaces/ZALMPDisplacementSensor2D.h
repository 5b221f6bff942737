#pragma once
#include "ZALMPExport.h"
#include "ZALMPSensor.h"

#include <RVLSharedHandle.h>
#include <ZALMathTransformation2D.h>
#include <ZALStatus.h>

class ZALMPBody2D;

/// Measures the displacement of one planar body since the last reset: the
/// body accumulates each of its moves (ZALMPBody2D::UpdatePosition) into it
/// while the sensor is active, and a host loader may refresh it (Update).
/// Orphaned, the sensor asks its body to drop it (the body's answer is
/// RemoveParent's; a body no longer alive is reported) and forgets the body.
///
/// A copy keeps the displacement; the copy measures no body.
class ZALMP_EXPORT ZALMPDisplacementSensor2D : public ZALMPSensor {
  ZALMP_DECLARE_KIND(ZALMPDisplacementSensor2D, ZALMPSensor);
  ZALMP_DECLARE_LINKS();

public:
  /// S_OK: `body` is measured. E_FAIL: an empty handle (reported); unchanged.
  HRESULT SetBody(const RVLSharedHandle<ZALMPBody2D>& body);
  /// S_OK and the measured body; E_FAIL (reported) and a null handle when there is none.
  HRESULT GetBody(RVLSharedHandle<ZALMPBody2D>& body) const;
  /// S_OK: `body` was the measured body and is dropped. S_FALSE: another body.
  /// E_FAIL: an empty handle (reported).
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody2D>& body);

  /// The displacement since the last reset; the identity on a new sensor.
  void SetDisplacement(const ZALMathTransformation2D& displacement);
  void GetDisplacement(ZALMathTransformation2D& displacement) const;

  /// An inactive sensor: S_OK and nothing else. Else the loader's refresh
  /// status. E_FAIL (reported): no planar displacement sensor loader.
  HRESULT Update() override;
  /// The displacement becomes the identity; the body stays. S_OK.
  HRESULT Reset() override;

  /// Writes element "DisplacementSensor2D": common part, "Body2D" (when
  /// measured) and "Displacement2D" holding "Translation2D" ("Vx", "Vy") and
  /// "Rotation2D" ("M1x", "M1y", "M2x", "M2y"). S_OK. E_FAIL (reported): no
  /// element, or "DisplacementSensor2D" cannot be added.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the next "DisplacementSensor2D" child of `element`; the body
  /// resolves through `ids` (an unknown id leaves it unset). A missing number
  /// is reported and reads as 0. S_OK. E_FAIL (reported): no element, no
  /// "DisplacementSensor2D" or no "Displacement2D". A body reference to
  /// another kind raises RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPBody2D> m_body;
  ZALMathTransformation2D m_displacement;
};
