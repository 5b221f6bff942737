#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

/// A contact material.
class ZALMP_EXPORT ZALMPMaterial : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPMaterial, ZALMPEntity);

public:
  ~ZALMPMaterial() override;

protected:
  ZALMPMaterial();
  ZALMPMaterial(const ZALMPMaterial& source);
};
