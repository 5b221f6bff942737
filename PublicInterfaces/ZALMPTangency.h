#pragma once
#include "ZALMPAlignment.h"
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"
#include "ZALMPSurfaceOrientation.h"

class ZALIMPTangencyLoader;

/// Makes its geometries touch, directed as its alignment says and on the side its
/// surface orientation says. It writes "Tangency" holding the common part,
/// "Alignment" and "SurfaceOrientation". A copy keeps both options.
class ZALMP_EXPORT ZALMPTangency : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPTangency);

public:
  /// The entity's loader narrowed to the kind's loader (null when it is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPTangencyLoader, ZALMPConstraint);

  /// Stores `alignment`, then tells the loader: S_OK without one, else its answer.
  /// E_FAIL (reported): the loader cannot be fetched; the alignment stays stored.
  ZALMP_TOLD_OPTION(ZALMPAlignment, Alignment, m_alignment, NotSpecified);

  /// Stores `orientation`, then tells the loader: S_OK without one, else its answer.
  /// E_FAIL (reported): the loader cannot be fetched; the orientation stays stored.
  ZALMP_TOLD_OPTION(ZALMPSurfaceOrientation, SurfaceOrientation, m_surfaceOrientation, NotSpecified);

  /// The loader fills `parameters` (as many as the host's solver uses) and its answer
  /// is returned. E_FAIL: no loader, or one that cannot be fetched (reported).
  HRESULT GetSolverConstraintParameters(double* parameters) const;
};
