#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

class ZALMPJointSpatialForceSensor;

/// Host hooks of a joint spatial force sensor: the host computes its measurement.
class ZALMP_EXPORT ZALIMPJointSpatialForceSensorLoader : public ZALIMPEntityLoader {
public:
  /// Refreshes the measurement of `sensor` through its setters; the status
  /// is the result of its Update.
  virtual HRESULT Update(ZALMPJointSpatialForceSensor& sensor) = 0;
};
