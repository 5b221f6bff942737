#pragma once
#include "ZALMPExport.h"
#include "ZALMPKinematicConstraint.h"

/// A constraint that lets its geometries' frames do what a prismatic joint
/// allows: slide along one common axis without turning. It is written as "PrismaticConstraint".
class ZALMP_EXPORT ZALMPPrismaticConstraint : public ZALMPKinematicConstraint {
  ZALMP_DECLARE_KINEMATIC_CONSTRAINT(ZALMPPrismaticConstraint);
};
