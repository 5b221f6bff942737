#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALMPBody2D;
class ZALMPValue;
class ZALMathPoint2D;

/// Host hooks of a planar spatial force actuator: told of its force and torque
/// components (as the caller gave them), its body and its application point;
/// its answer is the setter's.
class ZALMP_EXPORT ZALIMPSpatialForceActuator2DLoader : public ZALIMPEntityLoader {
public:
  virtual HRESULT OnForceChanged(const RVLSharedHandle<ZALMPValue> (&force)[2]) = 0;
  virtual HRESULT OnTorqueChanged(const RVLSharedHandle<ZALMPValue> (&torque)[1]) = 0;
  virtual HRESULT OnBodyChanged(const RVLSharedHandle<ZALMPBody2D>& body) = 0;
  virtual HRESULT OnApplicationPointChanged(const ZALMathPoint2D& point) = 0;
};
