#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A prismatic joint. It writes "Prismatic".
class ZALMP_EXPORT ZALMPPrismatic : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPPrismatic);
};
