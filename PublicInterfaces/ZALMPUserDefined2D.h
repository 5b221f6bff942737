#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint2D.h"

/// A user-defined planar joint. It writes "UserDefined2D".
class ZALMP_EXPORT ZALMPUserDefined2D : public ZALMPJoint2D {
  ZALMP_DECLARE_SERIALIZED_KIND(ZALMPUserDefined2D, ZALMPJoint2D);
};
