#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

/// The base of motors and of displacement and force actuators.
class ZALMP_EXPORT ZALMPActuator : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPActuator, ZALMPEntity);

public:
  ~ZALMPActuator() override;

  /// The common part into `element` (the kind's own element). S_OK; E_FAIL
  /// (reported) without an element or when the common part fails.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

protected:
  ZALMPActuator();
  ZALMPActuator(const ZALMPActuator& source);
};
