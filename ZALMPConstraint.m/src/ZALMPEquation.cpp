#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPEquation"
#include <ZALMPAssertionReport.h>

#include "ZALMPConstraintOptions.h"

#include <ZALMPEquation.h>

#include <ZALWBFactory.h>

ZALMP_DEFINE_CONSTRAINT_KIND(ZALMPEquation);

HRESULT ZALMPEquation::SetEquation(ZALWBFactory* factory)
{
  // Giving the held factory again must not delete it.
  if (factory != m_factory.get()) m_factory.reset(factory);
  return S_OK;
}

HRESULT ZALMPEquation::GetEquation(ZALWBFactory*& factory) const
{
  if (!m_factory) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  factory = m_factory.get();
  return S_OK;
}
