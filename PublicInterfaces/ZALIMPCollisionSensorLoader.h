#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

class ZALMPCollisionSensor;

/// Host hooks of a collision sensor: the host finds the contacts.
class ZALMP_EXPORT ZALIMPCollisionSensorLoader : public ZALIMPEntityLoader {
public:
  /// Refreshes the contacts of `sensor` through its setters; the status is
  /// the result of its Update.
  virtual HRESULT Update(ZALMPCollisionSensor& sensor) = 0;
};
