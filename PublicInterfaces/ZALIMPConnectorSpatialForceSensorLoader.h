#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

class ZALMPConnectorSpatialForceSensor;

/// Host hooks of a connector spatial force sensor: the host computes its measurement.
class ZALMP_EXPORT ZALIMPConnectorSpatialForceSensorLoader : public ZALIMPEntityLoader {
public:
  /// Refreshes the measurement of `sensor` through its setters; the status
  /// is the result of its Update.
  virtual HRESULT Update(ZALMPConnectorSpatialForceSensor& sensor) = 0;
};
