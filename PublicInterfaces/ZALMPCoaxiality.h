#pragma once
#include "ZALMPAlignment.h"
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"

class ZALIMPCoaxialityLoader;

/// Makes the axes of its geometries one, directed as its alignment says. It writes
/// "Coaxiality" holding the common part and "Alignment". A copy keeps the alignment.
class ZALMP_EXPORT ZALMPCoaxiality : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPCoaxiality);

public:
  /// The entity's loader narrowed to the kind's loader (null when it is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPCoaxialityLoader, ZALMPConstraint);

  /// Stores `alignment`, then tells the coaxiality loader: S_OK without one, else
  /// its answer. A loader that cannot be fetched is reported, yet S_OK: the
  /// alignment is kept for the host to find later.
  ZALMP_TOLD_OPTION(ZALMPAlignment, Alignment, m_alignment, NotSpecified);
};
