#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPParallelism"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALIMPParallelismLoader.h>
#include <ZALMPParallelism.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPParallelism,
    ZALMPOption<ZALMPAlignment>(L"Alignment", &ZALMPParallelism::m_alignment, &ZALMPParallelism::SetAlignment));

ZALMP_DEFINE_LOADER(ZALMPParallelism, ZALIMPParallelismLoader);

HRESULT ZALMPParallelism::SetAlignment(ZALMPAlignment::Enum alignment)
{
  return ZALMPStoreAndTell(*this, m_alignment, alignment, &ZALIMPParallelismLoader::SetAlignment, ZALMP_HERE);
}
