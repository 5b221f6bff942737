#include "ZALMPKinematicConstraintKind.h"

#include <ZALMPRevoluteConstraint.h>

ZALMP_DEFINE_KINEMATIC_CONSTRAINT(ZALMPRevoluteConstraint, L"RevoluteConstraint");
