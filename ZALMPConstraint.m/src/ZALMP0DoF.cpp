#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMP0DoF"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALMP0DoF.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMP0DoF);
