#pragma once
#include "ZALMPAlignment.h"
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"

class ZALIMPRollCurveConstraintLoader;

/// Makes one curve roll on another, directed as its alignment says. It writes
/// "RollCurveConstraint" holding the common part and "Alignment". A copy does
/// not keep the alignment: it starts NotSpecified.
class ZALMP_EXPORT ZALMPRollCurveConstraint : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPRollCurveConstraint);

public:
  /// The entity's loader narrowed to the kind's loader (null when it is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPRollCurveConstraintLoader, ZALMPConstraint);

  /// Stores `alignment`, then tells the loader: S_OK without one, else its answer.
  /// E_FAIL (reported): the loader cannot be fetched; the alignment stays stored.
  ZALMP_TOLD_OPTION(ZALMPAlignment, Alignment, m_alignment, NotSpecified);
};
