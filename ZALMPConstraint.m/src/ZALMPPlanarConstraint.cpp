#include "ZALMPKinematicConstraintKind.h"

#include <ZALMPPlanarConstraint.h>

ZALMP_DEFINE_KINEMATIC_CONSTRAINT(ZALMPPlanarConstraint, L"PlanarConstraint");
