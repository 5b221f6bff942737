#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

class ZALMPMotorForceSensor;

/// Host hooks of a motor force sensor: the host computes its measurement.
class ZALMP_EXPORT ZALIMPMotorForceSensorLoader : public ZALIMPEntityLoader {
public:
  /// Refreshes the measurement of `sensor` through its setters; the status
  /// is the result of its Update.
  virtual HRESULT Update(ZALMPMotorForceSensor& sensor) = 0;
};
