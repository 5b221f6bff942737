#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPTangency"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALIMPTangencyLoader.h>
#include <ZALMPTangency.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPTangency,
    ZALMPOption<ZALMPAlignment>(L"Alignment", &ZALMPTangency::m_alignment, &ZALMPTangency::SetAlignment),
    ZALMPOption<ZALMPSurfaceOrientation>(L"SurfaceOrientation", &ZALMPTangency::m_surfaceOrientation,
                                         &ZALMPTangency::SetSurfaceOrientation));

ZALMP_DEFINE_LOADER(ZALMPTangency, ZALIMPTangencyLoader);

HRESULT ZALMPTangency::SetAlignment(ZALMPAlignment::Enum alignment)
{
  return ZALMPStoreAndTell(*this, m_alignment, alignment, &ZALIMPTangencyLoader::SetAlignment, ZALMP_HERE);
}

HRESULT ZALMPTangency::SetSurfaceOrientation(ZALMPSurfaceOrientation::Enum orientation)
{
  return ZALMPStoreAndTell(*this, m_surfaceOrientation, orientation,
                           &ZALIMPTangencyLoader::SetSurfaceOrientation, ZALMP_HERE);
}

HRESULT ZALMPTangency::GetSolverConstraintParameters(double* parameters) const
{
  return ZALMPSolverParameters<ZALIMPTangencyLoader>(*this, parameters, ZALMP_HERE);
}
