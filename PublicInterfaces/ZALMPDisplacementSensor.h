#pragma once
#include "ZALMPExport.h"
#include "ZALMPSensor.h"

#include <RVLSharedHandle.h>
#include <ZALMathTransformation.h>
#include <ZALStatus.h>

class ZALMPBody;

/// Measures the displacement of one body since the last reset: the body
/// accumulates each of its moves (ZALMPBody::UpdatePosition) into it while the
/// sensor is active, and a host loader may refresh it (Update). Orphaned, the
/// sensor asks its body to drop it (the body's answer is RemoveParent's; a
/// body no longer alive is reported) and forgets the body.
///
/// A copy keeps the displacement; the copy measures no body.
class ZALMP_EXPORT ZALMPDisplacementSensor : public ZALMPSensor {
  ZALMP_DECLARE_KIND(ZALMPDisplacementSensor, ZALMPSensor);
  ZALMP_DECLARE_LINKS();

public:
  /// S_OK: `body` is measured. E_FAIL: an empty handle (reported); unchanged.
  HRESULT SetBody(const RVLSharedHandle<ZALMPBody>& body);
  /// S_OK and the measured body; E_FAIL (reported) and a null handle when there is none.
  HRESULT GetBody(RVLSharedHandle<ZALMPBody>& body) const;
  /// S_OK: `body` was the measured body and is dropped. S_FALSE: another body.
  /// E_FAIL: an empty handle (reported).
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& body);

  /// The displacement since the last reset; the identity on a new sensor.
  void SetDisplacement(const ZALMathTransformation& displacement);
  void GetDisplacement(ZALMathTransformation& displacement) const;

  /// An inactive sensor: S_OK and nothing else. Else the loader's refresh
  /// status. E_FAIL (reported): no displacement sensor loader.
  HRESULT Update() override;
  /// The displacement becomes the identity; the body stays. S_OK.
  HRESULT Reset() override;

  /// Writes element "DisplacementSensor": common part, "Body" (when measured)
  /// and "Displacement". S_OK. E_FAIL (reported): no element, or
  /// "DisplacementSensor" cannot be added.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the next "DisplacementSensor" child of `element`; the body resolves
  /// through `ids` (an unknown id leaves it unset). A missing number is reported
  /// and reads as 0. S_OK. E_FAIL (reported): no element, no
  /// "DisplacementSensor" or no "Displacement". A body reference to another
  /// kind raises RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPBody> m_body;
  ZALMathTransformation m_displacement;
};
