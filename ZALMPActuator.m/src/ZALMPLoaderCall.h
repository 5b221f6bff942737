#pragma once
#include <ZALMPAssertionReport.h>
#include <ZALMPSourceLocation.h>

#include <ZALStatus.h>

/// What an actuator setter does once it stored its field: the actuator's own
/// loader hears of the change through `call` and its answer is the setter's.
/// A loader that cannot be had is reported and gives E_FAIL; no loader gives
/// `withoutLoader`; a failing answer is reported when `reportFailure`.
template <class Loader, class Actuator, class Call>
HRESULT ZALMPTellLoader(const Actuator& actuator, const Call& call, ZALMPSourceLocation where,
                        bool reportFailure = true, HRESULT withoutLoader = S_OK)
{
  Loader* loader = nullptr;
  if (FAILED(actuator.GetLoader(loader))) {
    ZALMPAssertionReport("", where.file, where.line);
    return E_FAIL;
  }
  if (!loader) return withoutLoader;
  const HRESULT answer = call(*loader);
  if (FAILED(answer) && reportFailure) ZALMPAssertionReport("", where.file, where.line);
  return answer;
}
