#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

/// Host hooks of a variable: told when its user-set value or a limit changes,
/// and asked to hold or release a controlled variable.
class ZALMP_EXPORT ZALIMPVariableLoader : public ZALIMPEntityLoader {
public:
  /// The variable's value was set to `value`; the status is the setter's result.
  virtual HRESULT ValueChanged(double value) = 0;
  /// The lower limit was set to `value`; the status is the setter's result.
  virtual HRESULT MinValueChanged(double value) = 0;
  /// The upper limit was set to `value`; the status is the setter's result.
  virtual HRESULT MaxValueChanged(double value) = 0;
  /// Hold the controlled variable at its value.
  virtual HRESULT Fix() = 0;
  /// Release the controlled variable again.
  virtual HRESULT Unfix() = 0;
};
