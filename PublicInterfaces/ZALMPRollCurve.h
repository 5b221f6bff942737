#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A roll-curve joint. It writes "RollCurve".
class ZALMP_EXPORT ZALMPRollCurve : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPRollCurve);
};
