#include "ZALMPKinematicConstraintKind.h"

#include <ZALMPSphericalConstraint.h>

ZALMP_DEFINE_KINEMATIC_CONSTRAINT(ZALMPSphericalConstraint, L"SphericalConstraint");
