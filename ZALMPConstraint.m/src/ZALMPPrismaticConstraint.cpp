#include "ZALMPKinematicConstraintKind.h"

#include <ZALMPPrismaticConstraint.h>

ZALMP_DEFINE_KINEMATIC_CONSTRAINT(ZALMPPrismaticConstraint, L"PrismaticConstraint");
