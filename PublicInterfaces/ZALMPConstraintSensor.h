#pragma once
#include "ZALMPExport.h"
#include "ZALMPNameTable.h"
#include "ZALMPSensor.h"

#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>
#include <ZALStatus.h>

class ZALMPConstraint;

/// Reports whether a constraint is redundant, with the constraints it was
/// found redundant with and those it conflicts with, as the host's solver
/// told it. Only the constraint is saved.
///
/// A copy starts without status and lists; its constraint is linked by the
/// world's copy.
class ZALMP_EXPORT ZALMPConstraintSensor : public ZALMPSensor {
  ZALMP_DECLARE_KIND(ZALMPConstraintSensor, ZALMPSensor);
  ZALMP_DECLARE_LINKS();

public:
  /// What the solver found of the constraint: nothing yet, that it is needed,
  /// that it repeats others, or that it contradicts them.
#define ZALMP_REDUNDANCY_STATUS_MEMBERS(Entry) \
  Entry(NotAnalysed, 0) Entry(NotRedundant, 1) Entry(Redundant, 2) Entry(Conflicting, 3)
  ZALMP_NAMED_ENUMERATION(RedundancyStatusNames, ZALMP_REDUNDANCY_STATUS_MEMBERS);
  using RedundancyStatus = RedundancyStatusNames::Enum;

  /// S_OK: `constraint` watched. E_FAIL: an empty handle (reported).
  HRESULT SetConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint);
  /// S_OK and the constraint; E_FAIL (reported) and a null handle without one.
  HRESULT GetConstraint(RVLSharedHandle<ZALMPConstraint>& constraint) const;
  /// Stores `status` and appends the two lists to the stored ones. S_OK.
  HRESULT SetRedundancyStatus(RedundancyStatus status, const RVLSharedVector<ZALMPConstraint>& first,
                              const RVLSharedVector<ZALMPConstraint>& second);
  /// The status, and the stored lists appended to `first` and `second`. S_OK.
  HRESULT GetRedundancyStatus(RedundancyStatus& status, RVLSharedVector<ZALMPConstraint>& first,
                              RVLSharedVector<ZALMPConstraint>& second) const;
  /// Drops `constraint` as the watched one and from both lists. S_OK when it
  /// was the watched one and in both lists; else S_FALSE. E_FAIL: an empty
  /// handle (reported).
  HRESULT RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint) override;

  /// Element "ConstraintSensor": the common part and "Constraint" (a reference). S_OK.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "ConstraintSensor" child of `parent`. S_OK.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPConstraint> m_constraint;
  RedundancyStatus m_status = RedundancyStatusNames::NotAnalysed;
  RVLSharedVector<ZALMPConstraint> m_first;
  RVLSharedVector<ZALMPConstraint> m_second;
};
