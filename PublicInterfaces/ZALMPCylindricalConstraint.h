#pragma once
#include "ZALMPExport.h"
#include "ZALMPKinematicConstraint.h"

/// A constraint that lets its geometries' frames do what a cylindrical joint
/// allows: turn about and slide along one common axis. It is written as "CylindricalConstraint".
class ZALMP_EXPORT ZALMPCylindricalConstraint : public ZALMPKinematicConstraint {
  ZALMP_DECLARE_KINEMATIC_CONSTRAINT(ZALMPCylindricalConstraint);
};
