#pragma once
#include "ZALMPAlignment.h"
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"

class ZALIMPParallelismLoader;

/// Makes its geometries parallel, directed as its alignment says. It writes
/// "Parallelism" holding the common part and "Alignment". A copy keeps the alignment.
class ZALMP_EXPORT ZALMPParallelism : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPParallelism);

public:
  /// The entity's loader narrowed to the kind's loader (null when it is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPParallelismLoader, ZALMPConstraint);

  /// Stores `alignment`, then tells the loader: S_OK without one, else its answer.
  /// E_FAIL (reported): the loader cannot be fetched; the alignment stays stored.
  ZALMP_TOLD_OPTION(ZALMPAlignment, Alignment, m_alignment, NotSpecified);
};
