#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPCoaxiality"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALIMPCoaxialityLoader.h>
#include <ZALMPCoaxiality.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPCoaxiality,
    ZALMPOption<ZALMPAlignment>(L"Alignment", &ZALMPCoaxiality::m_alignment, &ZALMPCoaxiality::SetAlignment));

ZALMP_DEFINE_LOADER(ZALMPCoaxiality, ZALIMPCoaxialityLoader);

HRESULT ZALMPCoaxiality::SetAlignment(ZALMPAlignment::Enum alignment)
{
  return ZALMPStoreAndTell(*this, m_alignment, alignment, &ZALIMPCoaxialityLoader::SetAlignment, ZALMP_HERE, S_OK);
}
