#pragma once
#include "ZALMPExport.h"
#include "ZALMPKinematicConstraint.h"

/// A constraint that lets its geometries' frames do what a universal joint
/// allows: turn about two crossing axes. It is written as "UniversalConstraint".
class ZALMP_EXPORT ZALMPUniversalConstraint : public ZALMPKinematicConstraint {
  ZALMP_DECLARE_KINEMATIC_CONSTRAINT(ZALMPUniversalConstraint);
};
