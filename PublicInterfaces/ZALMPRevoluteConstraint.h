#pragma once
#include "ZALMPExport.h"
#include "ZALMPKinematicConstraint.h"

/// A constraint that lets its geometries' frames do what a revolute joint
/// allows: turn about one common axis without sliding. It is written as "RevoluteConstraint".
class ZALMP_EXPORT ZALMPRevoluteConstraint : public ZALMPKinematicConstraint {
  ZALMP_DECLARE_KINEMATIC_CONSTRAINT(ZALMPRevoluteConstraint);
};
