#pragma once
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"

/// Ties its geometries rigidly: no degree of freedom is left between them. It writes
/// "ZeroDoF" holding the constraint's common part. It has no
/// options.
class ZALMP_EXPORT ZALMP0DoF : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMP0DoF);
};
