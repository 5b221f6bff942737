#pragma once
#include "ZALIMPConstraintLoader.h"
#include "ZALMPAlignment.h"
#include "ZALMPExport.h"
#include "ZALMPHalfSpace.h"

#include <ZALStatus.h>

/// Host hooks of a distance: besides a constraint's, the host hears of its options
/// as they change. A constraint reaches it through its entity loader slot.
class ZALMP_EXPORT ZALIMPDistanceLoader : public ZALIMPConstraintLoader {
public:
  /// The constraint's alignment became `alignment`; the answer is the constraint's SetAlignment's.
  virtual HRESULT SetAlignment(ZALMPAlignment::Enum alignment) = 0;

  /// The constraint's half space became `halfSpace`; the answer is the constraint's SetHalfSpace's.
  virtual HRESULT SetHalfSpace(ZALMPHalfSpace::Enum halfSpace) = 0;
};
