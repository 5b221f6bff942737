#include "ZALWBVariable.h"

HRESULT ZALWBVariable::SetName(const char* name)
{
  if (!name) return E_FAIL;
  m_name = name;
  return S_OK;
}
