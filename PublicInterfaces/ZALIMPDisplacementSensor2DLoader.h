#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

class ZALMPDisplacementSensor2D;

/// Host hooks of a planar displacement sensor: the host computes its
/// measurement. A sensor reaches it through its entity loader slot.
class ZALMP_EXPORT ZALIMPDisplacementSensor2DLoader : public ZALIMPEntityLoader {
public:
  /// Refreshes the displacement of `sensor` (through SetDisplacement); its
  /// status is the result of ZALMPDisplacementSensor2D::Update.
  virtual HRESULT Update(ZALMPDisplacementSensor2D& sensor) = 0;
};
