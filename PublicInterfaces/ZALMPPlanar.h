#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A planar joint. It writes "Planar".
class ZALMP_EXPORT ZALMPPlanar : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPPlanar);
};
