#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A cylindrical joint. It writes "Cylindrical".
class ZALMP_EXPORT ZALMPCylindrical : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPCylindrical);
};
