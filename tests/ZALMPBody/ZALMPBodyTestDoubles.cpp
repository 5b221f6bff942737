#include "ZALMPBodyTestDoubles.h"

ZALMP_DEFINE_CLASS_WITH_ID(TestJoint, ZALMPJoint, "0E0E0E0E-0000-4000-8000-0000000000B1", nullptr);
ZALMP_DEFINE_CLASS_WITH_ID(TestShape, ZALMPShape, "0E0E0E0E-0000-4000-8000-0000000000B2", nullptr);
ZALMP_DEFINE_CLASS_WITH_ID(TestConnector, ZALMPConnector, "0E0E0E0E-0000-4000-8000-0000000000B3", nullptr);

HRESULT DropBody(RVLSharedHandle<ZALMPBody>& held, const RVLSharedHandle<ZALMPBody>& body)
{
  if (!body) return E_FAIL;
  if (!(body == held)) return S_FALSE;
  held.Release();
  return S_OK;
}
