#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

/// A user-defined joint. It writes "UserDefined".
class ZALMP_EXPORT ZALMPUserDefined : public ZALMPJoint {
  ZALMP_DECLARE_JOINT_KIND(ZALMPUserDefined);
};
