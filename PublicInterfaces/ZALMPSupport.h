#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

/// A support that parameters refer to.
class ZALMP_EXPORT ZALMPSupport : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPSupport, ZALMPEntity);

public:
  ~ZALMPSupport() override;

protected:
  ZALMPSupport();
  ZALMPSupport(const ZALMPSupport& source);
};
