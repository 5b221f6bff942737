#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALMPValue;

/// Host hooks of a motor: told of each target it is given, after the motor
/// stored it; a failing answer is the setter's (reported).
class ZALMP_EXPORT ZALIMPMotorLoader : public ZALIMPEntityLoader {
public:
  virtual HRESULT OnPositionChanged(const RVLSharedHandle<ZALMPValue>& position) = 0;
  virtual HRESULT OnVelocityChanged(const RVLSharedHandle<ZALMPValue>& velocity) = 0;
  virtual HRESULT OnAccelerationChanged(const RVLSharedHandle<ZALMPValue>& acceleration) = 0;
  virtual HRESULT OnMaxForceChanged(const RVLSharedHandle<ZALMPValue>& maxForce) = 0;
};
