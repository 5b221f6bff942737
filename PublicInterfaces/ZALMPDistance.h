#pragma once
#include "ZALMPAlignment.h"
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"
#include "ZALMPHalfSpace.h"

class ZALIMPDistanceLoader;

/// Holds the distance between its geometries, directed as its alignment says and
/// measured in its half space. It writes "Distance" holding the common part,
/// "Alignment" and "HalfSpace". A copy keeps both options.
class ZALMP_EXPORT ZALMPDistance : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPDistance);

public:
  /// The entity's loader narrowed to the kind's loader (null when it is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPDistanceLoader, ZALMPConstraint);

  /// Stores `alignment`, then tells the loader: S_OK without one, else its answer.
  /// E_FAIL (reported): the loader cannot be fetched; the alignment stays stored.
  ZALMP_TOLD_OPTION(ZALMPAlignment, Alignment, m_alignment, NotSpecified);

  /// Stores `halfSpace`, then tells the loader: S_OK without one, else its answer.
  /// E_FAIL (reported): the loader cannot be fetched; the half space stays stored.
  ZALMP_TOLD_OPTION(ZALMPHalfSpace, HalfSpace, m_halfSpace, NotSpecified);
};
