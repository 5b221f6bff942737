#pragma once
#include "ZALMPExport.h"
#include "ZALMPKinematicConstraint.h"

/// A constraint that lets its geometries' frames do what a spherical joint
/// allows: turn about a common point. It is written as "SphericalConstraint".
class ZALMP_EXPORT ZALMPSphericalConstraint : public ZALMPKinematicConstraint {
  ZALMP_DECLARE_KINEMATIC_CONSTRAINT(ZALMPSphericalConstraint);
};
