#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"
#include "ZALMPMoveStatus.h"

#include <ZALStatus.h>

class ZALMathLine;
class ZALMathTransformation;

/// Host hooks of a displacement actuator: told of the move it is
/// given (its answer is the setter's), and asked how far the move got.
class ZALMP_EXPORT ZALIMPDisplacementActuatorLoader : public ZALIMPEntityLoader {
public:
  virtual HRESULT OnDisplacementChanged(const ZALMathTransformation& displacement) = 0;
  virtual HRESULT OnDragLineChanged(const ZALMathLine& dragLine) = 0;
  virtual HRESULT GetMoveStatus(ZALMPMoveStatus::Enum& status) = 0;
};
