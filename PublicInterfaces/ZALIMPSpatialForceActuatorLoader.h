#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALMPBody;
class ZALMPValue;
class ZALMathPoint;

/// Host hooks of a spatial force actuator: told of its force and torque
/// components (as the caller gave them), its body and its application point;
/// its answer is the setter's.
class ZALMP_EXPORT ZALIMPSpatialForceActuatorLoader : public ZALIMPEntityLoader {
public:
  virtual HRESULT OnForceChanged(const RVLSharedHandle<ZALMPValue> (&force)[3]) = 0;
  virtual HRESULT OnTorqueChanged(const RVLSharedHandle<ZALMPValue> (&torque)[3]) = 0;
  virtual HRESULT OnBodyChanged(const RVLSharedHandle<ZALMPBody>& body) = 0;
  virtual HRESULT OnApplicationPointChanged(const ZALMathPoint& point) = 0;
};
