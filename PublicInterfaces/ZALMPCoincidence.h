#pragma once
#include "ZALMPAlignment.h"
#include "ZALMPCircleTorusOrientation.h"
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"

class ZALIMPCoincidenceLoader;

/// Makes its geometries coincide, directed as its alignment says; a circle on a
/// torus lies as its circle-torus orientation says. It writes "Coincidence"
/// holding the common part, "Alignment" and "CircleTorusOrientation". A copy
/// keeps both options.
class ZALMP_EXPORT ZALMPCoincidence : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPCoincidence);

public:
  /// The entity's loader narrowed to the kind's loader (null when it is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPCoincidenceLoader, ZALMPConstraint);

  /// Stores `alignment`, then tells the loader: S_OK without one, else its answer.
  /// E_FAIL (reported): the loader cannot be fetched; the alignment stays stored.
  ZALMP_TOLD_OPTION(ZALMPAlignment, Alignment, m_alignment, NotSpecified);

  /// Plain store and copy; S_OK.
  ZALMP_STORED_OPTION(ZALMPCircleTorusOrientation, CircleTorusOrientation, m_circleTorusOrientation, NotSpecified);

  /// The loader fills `parameters` (as many as the host's solver uses) and its answer
  /// is returned. E_FAIL: no loader, or one that cannot be fetched (reported).
  HRESULT GetSolverConstraintParameters(double* parameters) const;
};
