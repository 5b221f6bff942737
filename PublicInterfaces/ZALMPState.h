#pragma once
#include "ZALMPAttribute.h"
#include "ZALMPExport.h"

/// An attribute whose children are states.
class ZALMP_EXPORT ZALMPState : public ZALMPAttribute {
  ZALMP_DECLARE_KIND(ZALMPState, ZALMPAttribute);

public:
  /// Element "State": the attribute part ("Values", "ChildrenStates"). S_OK;
  /// E_FAIL (reported) when "State" cannot be added or its common part fails.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "State" child of `parent`. S_OK; E_FAIL (reported) when
  /// there is none or its common part fails.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;
};
