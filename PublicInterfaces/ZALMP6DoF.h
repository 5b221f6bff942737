#pragma once
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"

/// Ties nothing: all six degrees of freedom are left between its geometries. It
/// writes "SixDoF" holding the constraint's common part. It has no
/// options.
class ZALMP_EXPORT ZALMP6DoF : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMP6DoF);
};
