#pragma once
#include "ZALMPActuator.h"
#include "ZALMPExport.h"
#include "ZALMPProperty.h"

#include <ZALMathTransformation.h>

/// One global displacement, for the host to impose on the whole model. A copy keeps it.
class ZALMP_EXPORT ZALMPGlobalDisplacementActuator : public ZALMPActuator {
  ZALMP_DECLARE_KIND(ZALMPGlobalDisplacementActuator, ZALMPActuator);
  ZALMP_DECLARE_FIELDS();

public:
  /// Plain store and copy (identity on a new actuator), S_OK.
  ZALMP_FIELD(ZALMathTransformation, GlobalDisplacement, m_globalDisplacement);

  /// Element "GlobalDisplacementActuator": the actuator part and
  /// "Displacement". S_OK; E_FAIL (reported) when it cannot be written.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "GlobalDisplacementActuator" child of `parent`. E_FAIL
  /// (reported) without it or without "Displacement".
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;
};
