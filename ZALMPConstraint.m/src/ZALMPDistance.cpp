#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPDistance"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALIMPDistanceLoader.h>
#include <ZALMPDistance.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPDistance,
    ZALMPOption<ZALMPAlignment>(L"Alignment", &ZALMPDistance::m_alignment, &ZALMPDistance::SetAlignment),
    ZALMPOption<ZALMPHalfSpace>(L"HalfSpace", &ZALMPDistance::m_halfSpace, &ZALMPDistance::SetHalfSpace));

ZALMP_DEFINE_LOADER(ZALMPDistance, ZALIMPDistanceLoader);

HRESULT ZALMPDistance::SetAlignment(ZALMPAlignment::Enum alignment)
{
  return ZALMPStoreAndTell(*this, m_alignment, alignment, &ZALIMPDistanceLoader::SetAlignment, ZALMP_HERE);
}

HRESULT ZALMPDistance::SetHalfSpace(ZALMPHalfSpace::Enum halfSpace)
{
  return ZALMPStoreAndTell(*this, m_halfSpace, halfSpace, &ZALIMPDistanceLoader::SetHalfSpace, ZALMP_HERE);
}
