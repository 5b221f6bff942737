#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

#include <RVLSharedVector.h>

/// The base of parameters and states: named, typed groups of values that any
/// entity can carry, arranged in trees of children of the same kind.
class ZALMP_EXPORT ZALMPAttribute : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPAttribute, ZALMPEntity);

public:
  ~ZALMPAttribute() override;

  /// Appends every descendant depth-first: each child, then its own descendants.
  /// S_FALSE when the last attribute reached has no children; E_FAIL when
  /// children exist but none could be fetched.
  virtual HRESULT GetAllChildren(RVLSharedVector<ZALMPAttribute>& descendants) const = 0;

protected:
  ZALMPAttribute();
  ZALMPAttribute(const ZALMPAttribute& source);
};
