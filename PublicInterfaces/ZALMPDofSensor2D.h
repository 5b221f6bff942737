#pragma once
#include "ZALMPExport.h"
#include "ZALMPSensor.h"

#include <RVLSharedHandle.h>
#include <ZALMathPoint2D.h>
#include <ZALMathVector2D.h>
#include <ZALStatus.h>

#include <array>

class ZALMPBody2D;

/// The degrees of freedom a planar body keeps relative to a reference planar
/// body, as the host found them: up to two translations and two rotation centres.
///
/// A copy keeps the freedoms; its bodies are linked by the world's copy.
class ZALMP_EXPORT ZALMPDofSensor2D : public ZALMPSensor {
  ZALMP_DECLARE_KIND(ZALMPDofSensor2D, ZALMPSensor);
  ZALMP_DECLARE_LINKS();

public:
  static constexpr int kSlotCount = 2;

  /// S_OK: held. E_FAIL: two of that kind already.
  HRESULT AddTranslation(const ZALMathVector2D& direction);
  HRESULT AddRotation(const ZALMathPoint2D& centre);
  /// The freedom at `index` of its kind. E_FAIL: outside the count of that kind.
  HRESULT GetTranslation(int index, ZALMathVector2D& direction) const;
  HRESULT GetRotation(int index, ZALMathPoint2D& centre) const;
  int GetNumberOfTranslations() const { return m_translationCount; }
  int GetNumberOfRotations() const { return m_rotationCount; }
  int GetNumberOfDof() const { return m_translationCount + m_rotationCount; }

  /// S_OK: held. E_FAIL: an empty handle (reported).
  HRESULT SetConstrainedBody(const RVLSharedHandle<ZALMPBody2D>& body);
  HRESULT SetReferenceBody(const RVLSharedHandle<ZALMPBody2D>& body);
  /// S_OK and the body; E_FAIL (reported) and a null handle without one.
  HRESULT GetConstrainedBody(RVLSharedHandle<ZALMPBody2D>& body) const;
  HRESULT GetReferenceBody(RVLSharedHandle<ZALMPBody2D>& body) const;

  /// No freedom counted any more; S_OK.
  HRESULT Reset() override;

  /// Element "DofSensor2D": the common part, attribute "numberOfDof",
  /// "Translations2D", "Rotations2D", "ConstrainedBody2D" and
  /// "ReferenceBody2D". S_OK.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "DofSensor2D" child of `parent`, as the sensor in space.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  std::array<ZALMathVector2D, kSlotCount> m_translations{};
  std::array<ZALMathPoint2D, kSlotCount> m_centres{};
  int m_translationCount = 0;
  int m_rotationCount = 0;
  RVLSharedHandle<ZALMPBody2D> m_constrainedBody;
  RVLSharedHandle<ZALMPBody2D> m_referenceBody;
};
