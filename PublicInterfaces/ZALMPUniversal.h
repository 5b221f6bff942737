#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A universal joint. It writes "Universal".
class ZALMP_EXPORT ZALMPUniversal : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPUniversal);
};
