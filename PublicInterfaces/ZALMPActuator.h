#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

/// The base of displacement and force actuators and motors.
class ZALMP_EXPORT ZALMPActuator : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPActuator, ZALMPEntity);

public:
  ~ZALMPActuator() override;

protected:
  ZALMPActuator();
  ZALMPActuator(const ZALMPActuator& source);
};
