#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPPerpendicularity"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALIMPPerpendicularityLoader.h>
#include <ZALMPPerpendicularity.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPPerpendicularity,
    ZALMPOption<ZALMPAlignment>(L"Alignment", &ZALMPPerpendicularity::m_alignment,
                                &ZALMPPerpendicularity::SetAlignment));

ZALMP_DEFINE_LOADER(ZALMPPerpendicularity, ZALIMPPerpendicularityLoader);

HRESULT ZALMPPerpendicularity::SetAlignment(ZALMPAlignment::Enum alignment)
{
  return ZALMPStoreAndTell(*this, m_alignment, alignment, &ZALIMPPerpendicularityLoader::SetAlignment, ZALMP_HERE);
}
