#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

/// The base of collision layers, inter-layers and collision rules.
class ZALMP_EXPORT ZALMPInteraction : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPInteraction, ZALMPEntity);

public:
  ~ZALMPInteraction() override;

protected:
  ZALMPInteraction();
  ZALMPInteraction(const ZALMPInteraction& source);
};
