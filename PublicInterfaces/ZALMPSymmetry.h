#pragma once
#include "ZALMPAlignment.h"
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"
#include "ZALMPSelectedPlane.h"

class ZALIMPSymmetryLoader;

/// Makes its geometries mirror images through its selected plane, directed as its
/// alignment says. It writes "Symmetry" holding the common part, "Alignment"
/// and "SelectedPlane". A copy keeps both options.
class ZALMP_EXPORT ZALMPSymmetry : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPSymmetry);

public:
  /// The entity's loader narrowed to the kind's loader (null when it is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPSymmetryLoader, ZALMPConstraint);

  /// Stores `alignment`, then tells the loader: S_OK without one, else its answer.
  /// E_FAIL (reported): the loader cannot be fetched; the alignment stays stored.
  ZALMP_TOLD_OPTION(ZALMPAlignment, Alignment, m_alignment, NotSpecified);

  /// Plain store and copy; S_OK.
  ZALMP_STORED_OPTION(ZALMPSelectedPlane, SelectedPlane, m_selectedPlane, XY);
};
