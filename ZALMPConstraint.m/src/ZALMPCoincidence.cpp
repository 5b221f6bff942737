#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPCoincidence"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALIMPCoincidenceLoader.h>
#include <ZALMPCoincidence.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPCoincidence,
    ZALMPOption<ZALMPAlignment>(L"Alignment", &ZALMPCoincidence::m_alignment, &ZALMPCoincidence::SetAlignment),
    ZALMPOption<ZALMPCircleTorusOrientation>(L"CircleTorusOrientation", &ZALMPCoincidence::m_circleTorusOrientation,
                                             &ZALMPCoincidence::SetCircleTorusOrientation));

ZALMP_DEFINE_LOADER(ZALMPCoincidence, ZALIMPCoincidenceLoader);

HRESULT ZALMPCoincidence::SetAlignment(ZALMPAlignment::Enum alignment)
{
  return ZALMPStoreAndTell(*this, m_alignment, alignment, &ZALIMPCoincidenceLoader::SetAlignment, ZALMP_HERE);
}

HRESULT ZALMPCoincidence::GetSolverConstraintParameters(double* parameters) const
{
  return ZALMPSolverParameters<ZALIMPCoincidenceLoader>(*this, parameters, ZALMP_HERE);
}
