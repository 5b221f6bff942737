#pragma once
#include "ZALMPExport.h"
#include "ZALMPKinematicConstraint.h"

/// A constraint that lets its geometries' frames do what a planar joint
/// allows: slide in a common plane and turn about its normal. It is written as "PlanarConstraint".
class ZALMP_EXPORT ZALMPPlanarConstraint : public ZALMPKinematicConstraint {
  ZALMP_DECLARE_KINEMATIC_CONSTRAINT(ZALMPPlanarConstraint);
};
