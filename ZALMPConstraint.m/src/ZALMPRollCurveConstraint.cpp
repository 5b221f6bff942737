#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPRollCurveConstraint"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALIMPRollCurveConstraintLoader.h>
#include <ZALMPRollCurveConstraint.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPRollCurveConstraint,
    ZALMPOption<ZALMPAlignment>(L"Alignment", &ZALMPRollCurveConstraint::m_alignment,
                                &ZALMPRollCurveConstraint::SetAlignment, ZALMPOptionCopy::Default));

ZALMP_DEFINE_LOADER(ZALMPRollCurveConstraint, ZALIMPRollCurveConstraintLoader);

HRESULT ZALMPRollCurveConstraint::SetAlignment(ZALMPAlignment::Enum alignment)
{
  return ZALMPStoreAndTell(*this, m_alignment, alignment, &ZALIMPRollCurveConstraintLoader::SetAlignment, ZALMP_HERE);
}
