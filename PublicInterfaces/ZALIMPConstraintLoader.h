#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"

struct ZALMPOptionsOrientation;

/// Host hooks of a constraint: the host knows whether it holds and its value.
class ZALMP_EXPORT ZALIMPConstraintLoader : public ZALIMPEntityLoader {
public:
  /// True when the constraint holds; `error` is its current error.
  virtual bool IsSatisfied(double& error) = 0;
  /// True when the constraint holds. May raise a ZALError, which the constraint traps.
  virtual bool IsSatisfied() = 0;
  virtual HRESULT CurrentValue(int index, double& value, double& secondValue) = 0;
  virtual HRESULT CurrentValue(double& value) = 0;
  /// Refreshes the constraint's solver parameters; called by the world only.
  virtual HRESULT UpdateParameters() = 0;
  virtual HRESULT CurrentOptions(ZALMPOptionsOrientation& options) = 0;
};
