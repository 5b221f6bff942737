#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPNormal"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALMPNormal.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPNormal,
    ZALMPOption<ZALMPAlignment>(L"Alignment", &ZALMPNormal::m_alignment, &ZALMPNormal::SetAlignment));
