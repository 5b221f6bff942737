#pragma once
#include "ZALIMPConstraintLoader.h"
#include "ZALMPAlignment.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

/// Host hooks of a roll-curve constraint: besides a constraint's, the host hears of its options
/// as they change. A constraint reaches it through its entity loader slot.
class ZALMP_EXPORT ZALIMPRollCurveConstraintLoader : public ZALIMPConstraintLoader {
public:
  /// Fills the solver's parameters of the constraint (as many as the host's solver uses).
  /// The constraint itself never asks for them.
  virtual HRESULT GetSolverConstraintParameters(double* parameters) = 0;

  /// The constraint's alignment became `alignment`; the answer is the constraint's SetAlignment's.
  virtual HRESULT SetAlignment(ZALMPAlignment::Enum alignment) = 0;
};
