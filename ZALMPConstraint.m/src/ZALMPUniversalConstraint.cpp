#include "ZALMPKinematicConstraintKind.h"

#include <ZALMPUniversalConstraint.h>

ZALMP_DEFINE_KINEMATIC_CONSTRAINT(ZALMPUniversalConstraint, L"UniversalConstraint");
