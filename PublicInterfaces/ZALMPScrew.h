#pragma once
#include "ZALMPCoupling.h"
#include "ZALMPExport.h"

/// A screw coupling. It writes "Screw" holding the joint part only (no
/// "Equation": the equation stands as the first constraint), and reads it with
/// the coupling part, so its equation comes back as constraint 0. Its frames
/// are the joint's.
class ZALMP_EXPORT ZALMPScrew : public ZALMPCoupling {
  ZALMP_DECLARE_COUPLING_KIND(ZALMPScrew);
};
