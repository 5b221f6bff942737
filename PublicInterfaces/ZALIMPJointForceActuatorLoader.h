#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALMPJoint;
class ZALMPValue;

/// Host hooks of a joint force actuator: told of its force and of its joint;
/// a failing answer is reported and is the setter's.
class ZALMP_EXPORT ZALIMPJointForceActuatorLoader : public ZALIMPEntityLoader {
public:
  virtual HRESULT OnForceChanged(const RVLSharedHandle<ZALMPValue>& force) = 0;
  virtual HRESULT OnJointChanged(const RVLSharedHandle<ZALMPJoint>& joint) = 0;
};
