#define ZALMP_SOURCE_FILE "ZALMPEntitiesServices.m/src/ZALMPVariableHelper"
#include <ZALMPAssertionReport.h>

#include <ZALMPVariable.h>
#include <ZALMPVariableHelper.h>

#include <ZALWBFactory.h>
#include <ZALWBVariable.h>

#include <cwchar>
#include <string>

namespace {

// The identifier in the C runtime's multibyte encoding; empty when it does not convert.
std::string Narrow(const std::wstring& identifier)
{
  std::string buffer(identifier.size() + 1, '\0');
  const std::size_t written = std::wcstombs(buffer.data(), identifier.c_str(), buffer.size());
  if (written == static_cast<std::size_t>(-1)) return std::string();
  buffer.resize(written);
  return buffer;
}

}  // namespace

HRESULT ZALMPVariableHelper::CreateWBVariable(const RVLSharedHandle<ZALMPVariable>& variable, ZALWBFactory* factory,
                                              ZALWBVariable*& result)
{
  result = nullptr;
  std::wstring identifier;
  if (!variable || !factory || !variable.IsAlive() || FAILED(variable->GetIdentifier(identifier))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  const std::string name = Narrow(identifier);
  result = factory->GetVariable(name.c_str());
  if (result) return S_OK;
  result = factory->CreateVariable(name.c_str());
  if (!result || FAILED(result->SetName(name.c_str()))) {
    result = nullptr;
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}
