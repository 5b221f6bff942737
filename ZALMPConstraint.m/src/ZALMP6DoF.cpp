#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMP6DoF"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALMP6DoF.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMP6DoF);
