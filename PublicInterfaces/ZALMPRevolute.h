#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A revolute joint. It writes "Revolute".
class ZALMP_EXPORT ZALMPRevolute : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPRevolute);
};
