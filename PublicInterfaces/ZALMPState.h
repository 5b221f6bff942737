#pragma once
#include "ZALMPAttribute.h"
#include "ZALMPExport.h"

/// An attribute whose children are states.
class ZALMP_EXPORT ZALMPState : public ZALMPAttribute {
  ZALMP_DECLARE_CLASS(ZALMPState, ZALMPAttribute);

public:
  ~ZALMPState() override;

protected:
  ZALMPState();
  ZALMPState(const ZALMPState& source);
};
