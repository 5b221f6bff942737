#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A slide-curve joint. It writes "SlideCurve".
class ZALMP_EXPORT ZALMPSlideCurve : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPSlideCurve);
};
