#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"
#include "ZALMPMoveStatus.h"

#include <ZALStatus.h>

class ZALMathLine2D;
class ZALMathTransformation2D;

/// Host hooks of a planar displacement actuator: told of the move it is
/// given (its answer is the setter's), and asked how far the move got.
class ZALMP_EXPORT ZALIMPDisplacementActuator2DLoader : public ZALIMPEntityLoader {
public:
  virtual HRESULT OnDisplacementChanged(const ZALMathTransformation2D& displacement) = 0;
  virtual HRESULT OnDragLineChanged(const ZALMathLine2D& dragLine) = 0;
  virtual HRESULT GetMoveStatus(ZALMPMoveStatus::Enum& status) = 0;
};
