#pragma once
#include "ZALMPAlignment.h"
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"

class ZALIMPPerpendicularityLoader;

/// Makes its geometries perpendicular, directed as its alignment says. It writes
/// "Perpendicularity" holding the common part and "Alignment". A copy keeps the alignment.
class ZALMP_EXPORT ZALMPPerpendicularity : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPPerpendicularity);

public:
  /// The entity's loader narrowed to the kind's loader (null when it is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPPerpendicularityLoader, ZALMPConstraint);

  /// Stores `alignment`, then tells the loader: S_OK without one, else its answer.
  /// E_FAIL (reported): the loader cannot be fetched; the alignment stays stored.
  ZALMP_TOLD_OPTION(ZALMPAlignment, Alignment, m_alignment, NotSpecified);
};
