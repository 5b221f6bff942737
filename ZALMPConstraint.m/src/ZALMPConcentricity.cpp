#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPConcentricity"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALMPConcentricity.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPConcentricity);
