#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A spherical joint. It writes "Spherical".
class ZALMP_EXPORT ZALMPSpherical : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPSpherical);
};
