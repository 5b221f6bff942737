#pragma once
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

#include <memory>

class ZALWBFactory;

/// A constraint that an equation-library factory states: the equations the
/// factory holds relate the constraint's linked variables. The equation owns
/// its factory and deletes it when it goes. It writes "Equation" holding the
/// constraint's common part only: a factory is not written, so an equation
/// read back has none until the host gives it one. A copy has no factory.
class ZALMP_EXPORT ZALMPEquation : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPEquation);

public:
  /// The equation holds `factory` from now on (null: none). The factory it
  /// held before, if another, is deleted: nobody else owns it. S_OK.
  virtual HRESULT SetEquation(ZALWBFactory* factory);
  /// S_OK and the held factory, still the equation's. E_FAIL (reported) when
  /// there is none; `factory` is then untouched.
  virtual HRESULT GetEquation(ZALWBFactory*& factory) const;

private:
  std::unique_ptr<ZALWBFactory> m_factory;
};
