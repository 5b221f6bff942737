#pragma once
#include "ZALIMPConstraintLoader.h"
#include "ZALMPAlignment.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

/// Host hooks of a coaxiality: besides a constraint's, the host hears of its options
/// as they change. A constraint reaches it through its entity loader slot.
class ZALMP_EXPORT ZALIMPCoaxialityLoader : public ZALIMPConstraintLoader {
public:
  /// The constraint's alignment became `alignment`; the answer is the constraint's SetAlignment's.
  virtual HRESULT SetAlignment(ZALMPAlignment::Enum alignment) = 0;
};
