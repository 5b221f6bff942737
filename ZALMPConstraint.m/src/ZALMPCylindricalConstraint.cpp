#include "ZALMPKinematicConstraintKind.h"

#include <ZALMPCylindricalConstraint.h>

ZALMP_DEFINE_KINEMATIC_CONSTRAINT(ZALMPCylindricalConstraint, L"CylindricalConstraint");
