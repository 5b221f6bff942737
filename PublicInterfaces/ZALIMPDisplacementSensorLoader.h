#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

class ZALMPDisplacementSensor;

/// Host hooks of a displacement sensor: the host computes its measurement.
/// A sensor reaches it through its entity loader slot.
class ZALMP_EXPORT ZALIMPDisplacementSensorLoader : public ZALIMPEntityLoader {
public:
  /// Refreshes the displacement of `sensor` (through SetDisplacement); its
  /// status is the result of ZALMPDisplacementSensor::Update.
  virtual HRESULT Update(ZALMPDisplacementSensor& sensor) = 0;
};
