#pragma once
#include "ZALMPAttribute.h"
#include "ZALMPExport.h"

/// An attribute whose children are parameters.
class ZALMP_EXPORT ZALMPParameter : public ZALMPAttribute {
  ZALMP_DECLARE_CLASS(ZALMPParameter, ZALMPAttribute);

public:
  ~ZALMPParameter() override;

protected:
  ZALMPParameter();
  ZALMPParameter(const ZALMPParameter& source);
};
