#pragma once
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"
#include "ZALMPHingeMode.h"

/// Holds the angle between two geometries, whose hinges meet as its hinge mode says
/// (Parallel in a new angle). It writes "Angle" holding the common part and
/// "HingeMode". A copy keeps the hinge mode.
class ZALMP_EXPORT ZALMPAngle : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPAngle);

  /// Plain store and copy; S_OK.
  ZALMP_STORED_OPTION(ZALMPHingeMode, HingeMode, m_hingeMode, Parallel);
};
