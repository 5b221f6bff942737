#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A point-on-surface joint. It writes "PointSurface".
class ZALMP_EXPORT ZALMPPointSurface : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPPointSurface);
};
