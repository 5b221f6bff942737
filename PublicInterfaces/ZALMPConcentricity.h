#pragma once
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"

/// Makes its geometries share their centre. It writes "Concentricity" holding the
/// constraint's common part. It has no
/// options.
class ZALMP_EXPORT ZALMPConcentricity : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPConcentricity);
};
