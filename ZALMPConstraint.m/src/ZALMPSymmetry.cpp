#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPSymmetry"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALIMPSymmetryLoader.h>
#include <ZALMPSymmetry.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPSymmetry,
    ZALMPOption<ZALMPAlignment>(L"Alignment", &ZALMPSymmetry::m_alignment, &ZALMPSymmetry::SetAlignment),
    ZALMPOption<ZALMPSelectedPlane>(L"SelectedPlane", &ZALMPSymmetry::m_selectedPlane,
                                    &ZALMPSymmetry::SetSelectedPlane));

ZALMP_DEFINE_LOADER(ZALMPSymmetry, ZALIMPSymmetryLoader);

HRESULT ZALMPSymmetry::SetAlignment(ZALMPAlignment::Enum alignment)
{
  return ZALMPStoreAndTell(*this, m_alignment, alignment, &ZALIMPSymmetryLoader::SetAlignment, ZALMP_HERE);
}
