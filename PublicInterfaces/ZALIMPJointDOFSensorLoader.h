#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

class ZALMPJointDOFSensor;

/// Host hooks of a joint degree-of-freedom sensor: the host computes its measurement.
class ZALMP_EXPORT ZALIMPJointDOFSensorLoader : public ZALIMPEntityLoader {
public:
  /// Refreshes the measurement of `sensor` through its setters; the status
  /// is the result of its Update.
  virtual HRESULT Update(ZALMPJointDOFSensor& sensor) = 0;
};
