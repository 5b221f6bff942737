#pragma once
#include "ZALMPExport.h"
#include "ZALMPGenericFactoryBase.h"

#include <ZALStatus.h>

#include <string>

/// Makes entities by class name ("ZALMPRevolute"), as the model reader does.
class ZALMP_EXPORT ZALMPFactory : public ZALMPGenericFactoryBase {
public:
  /// S_OK: `entity` is a new entity of that class, with default fields and an
  /// empty name. E_FAIL: no class is registered under `className` (abstract
  /// bases and unknown names); `entity` is null (reported).
  static HRESULT Create(const std::string& className, RVLSharedHandle<ZALMPEntity>& entity);
};
