#pragma once
#include "ZALBasicStackTrace.h"

/// Entry point of the platform's stack traces.
class ZALStackTrace {
public:
  /// The call stack of the caller, frame 0 first.
  static ZALBasicStackTrace GetTrace();
};
