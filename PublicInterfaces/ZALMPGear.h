#pragma once
#include "ZALMPCoupling.h"
#include "ZALMPExport.h"

/// A gear coupling. It writes "Gear" holding the coupling part, and gives no frame.
class ZALMP_EXPORT ZALMPGear : public ZALMPCoupling {
  ZALMP_DECLARE_UNFRAMED_COUPLING_KIND(ZALMPGear);
};
