#define ZALMP_SOURCE_FILE "ZALMPSerialization.m/src/ZALMPFactory"
#include <ZALMPAssertionReport.h>

#include <ZALMPEntity.h>
#include <ZALMPFactory.h>

HRESULT ZALMPFactory::Create(const std::string& className, RVLSharedHandle<ZALMPEntity>& entity)
{
  entity = CreateInstance(className);
  if (!entity) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}
