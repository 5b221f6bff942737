#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPAngle"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALMPAngle.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPAngle,
    ZALMPOption<ZALMPHingeMode>(L"HingeMode", &ZALMPAngle::m_hingeMode, &ZALMPAngle::SetHingeMode));
