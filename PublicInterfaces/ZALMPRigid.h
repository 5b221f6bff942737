#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A rigid joint. It writes "Rigid".
class ZALMP_EXPORT ZALMPRigid : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPRigid);
};
