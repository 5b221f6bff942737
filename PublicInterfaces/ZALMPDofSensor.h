#pragma once
#include "ZALMPExport.h"
#include "ZALMPSensor.h"

#include <RVLSharedHandle.h>
#include <ZALMathPoint.h>
#include <ZALMathVector.h>
#include <ZALStatus.h>

#include <array>

class ZALMPBody;

/// The degrees of freedom a body keeps relative to a reference body, as the
/// host found them: up to three translations, and up to three rotations and
/// screws sharing three slots (rotations fill them from the first, screws
/// from the last).
///
/// A copy keeps the freedoms; its bodies are linked by the world's copy.
class ZALMP_EXPORT ZALMPDofSensor : public ZALMPSensor {
  ZALMP_DECLARE_KIND(ZALMPDofSensor, ZALMPSensor);
  ZALMP_DECLARE_LINKS();

public:
  static constexpr int kSlotCount = 3;

  /// S_OK: a translation along `direction`. E_FAIL: three already.
  HRESULT AddTranslation(const ZALMathVector& direction);
  /// S_OK: a rotation about the axis through `pole`. E_FAIL: rotations and
  /// screws already fill the three slots.
  HRESULT AddRotation(const ZALMathPoint& pole, const ZALMathVector& axis);
  /// S_OK: a screw of `pitch` about the axis through `pole`. E_FAIL: as AddRotation.
  HRESULT AddScrew(const ZALMathPoint& pole, const ZALMathVector& axis, double pitch);
  /// The freedom at `index` of its kind. E_FAIL: outside the count of that kind.
  HRESULT GetTranslation(int index, ZALMathVector& direction) const;
  HRESULT GetRotation(int index, ZALMathPoint& pole, ZALMathVector& axis) const;
  HRESULT GetScrew(int index, ZALMathPoint& pole, ZALMathVector& axis, double& pitch) const;
  int GetNumberOfTranslations() const { return m_translationCount; }
  int GetNumberOfRotations() const { return m_rotationCount; }
  int GetNumberOfScrews() const { return m_screwCount; }
  int GetNumberOfDof() const { return m_translationCount + m_rotationCount + m_screwCount; }

  /// S_OK: held. E_FAIL: an empty handle (reported).
  HRESULT SetConstrainedBody(const RVLSharedHandle<ZALMPBody>& body);
  HRESULT SetReferenceBody(const RVLSharedHandle<ZALMPBody>& body);
  /// S_OK and the body; E_FAIL (reported) and a null handle without one.
  HRESULT GetConstrainedBody(RVLSharedHandle<ZALMPBody>& body) const;
  HRESULT GetReferenceBody(RVLSharedHandle<ZALMPBody>& body) const;

  /// No freedom counted any more (the stored ones stay, uncounted); S_OK.
  HRESULT Reset() override;

  /// Element "DofSensor": the common part, attribute "numberOfDof", the
  /// groups "Translations", "Rotations" and "Screws", then "ConstrainedBody"
  /// and "ReferenceBody" (references). S_OK.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "DofSensor" child of `parent`, taking every freedom it
  /// can. E_FAIL (reported) without "numberOfDof", or when a group is missing
  /// or takes no freedom: a sensor lacking a kind of freedom reads back so.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  std::array<ZALMathVector, kSlotCount> m_translations{};
  std::array<ZALMathPoint, kSlotCount> m_poles{};
  std::array<ZALMathVector, kSlotCount> m_axes{};
  std::array<double, kSlotCount> m_pitches{};
  int m_translationCount = 0;
  int m_rotationCount = 0;
  int m_screwCount = 0;
  RVLSharedHandle<ZALMPBody> m_constrainedBody;
  RVLSharedHandle<ZALMPBody> m_referenceBody;
};
