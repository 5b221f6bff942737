#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"
#include "ZALMPSolverEquivalentJointType.h"

#include <ZALMathAxis2D.h>
#include <ZALStatus.h>

#include <vector>

/// Host hooks of a planar joint: the host knows the joint's frames in the
/// plane and the kind of joint its solver takes it for.
class ZALMP_EXPORT ZALIMPJoint2DLoader : public ZALIMPEntityLoader {
public:
  /// Fills `frames` with the joint's frames in the plane.
  virtual HRESULT GetFrames(std::vector<ZALMathAxis2D>& frames) = 0;
  virtual HRESULT GetSolverEquivalentJointType(ZALMPSolverEquivalentJointType::Enum& type) = 0;
};
