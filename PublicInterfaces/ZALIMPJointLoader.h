#pragma once
#include "ZALIMPEntityLoader.h"
#include "ZALMPExport.h"
#include "ZALMPSolverEquivalentJointType.h"

#include <ZALMathAxis.h>
#include <ZALStatus.h>

#include <vector>

/// Host hooks of a joint: the host knows the joint's frames and the kind of
/// joint its solver takes it for.
class ZALMP_EXPORT ZALIMPJointLoader : public ZALIMPEntityLoader {
public:
  /// Fills `frames` with the joint's frames, in world coordinates.
  virtual HRESULT GetFrames(std::vector<ZALMathAxis>& frames) = 0;
  virtual HRESULT GetSolverEquivalentJointType(ZALMPSolverEquivalentJointType::Enum& type) = 0;
};
