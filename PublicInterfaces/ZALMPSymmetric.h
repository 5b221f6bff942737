#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A symmetric joint. It writes "Symmetric".
class ZALMP_EXPORT ZALMPSymmetric : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPSymmetric);
};
