#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

/// The base of the model's values: constants, expressions, booleans and strings.
class ZALMP_EXPORT ZALMPValue : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPValue, ZALMPEntity);

public:
  ~ZALMPValue() override;

protected:
  ZALMPValue();
  ZALMPValue(const ZALMPValue& source);
};
