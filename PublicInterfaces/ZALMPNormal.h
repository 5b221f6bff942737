#pragma once
#include "ZALMPAlignment.h"
#include "ZALMPConstraintKind.h"
#include "ZALMPExport.h"

/// Makes its geometries normal to one another, directed as its alignment says. It
/// writes "Normal" holding the common part and "Alignment". A copy keeps the alignment.
class ZALMP_EXPORT ZALMPNormal : public ZALMPConstraint {
  ZALMP_DECLARE_CONSTRAINT_KIND(ZALMPNormal);

  /// Plain store and copy; S_OK.
  ZALMP_STORED_OPTION(ZALMPAlignment, Alignment, m_alignment, NotSpecified);
};
