#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A point-on-curve joint. It writes "PointCurve".
class ZALMP_EXPORT ZALMPPointCurve : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPPointCurve);
};
