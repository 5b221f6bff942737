#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

/// A support that parameters refer to: a small entity that points at one
/// target entity of the model. The target is not asked anything when the
/// support is orphaned and stays set. A copy has no target.
class ZALMP_EXPORT ZALMPSupport : public ZALMPEntity {
  ZALMP_DECLARE_KIND(ZALMPSupport, ZALMPEntity);
  ZALMP_DECLARE_LINKS();

public:
  /// Stores `target`; an empty handle clears it. S_OK.
  HRESULT SetTarget(const RVLSharedHandle<ZALMPEntity>& target);
  /// S_OK and the target; E_FAIL and a null handle when there is none (not reported).
  HRESULT GetTarget(RVLSharedHandle<ZALMPEntity>& target) const;

  /// Writes element "Support": the common part, then "Target" (a reference)
  /// when a target is set. S_OK. E_FAIL (reported): no element, or "Support"
  /// cannot be added, or the common part fails.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the next "Support" child of `element`; the target resolves through
  /// `ids` (an unknown id leaves it as it was). S_OK. E_FAIL (reported): no
  /// element, no "Support", or the common part fails.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPEntity> m_target;
};
