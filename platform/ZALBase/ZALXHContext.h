#pragma once
#include "ZALError.h"

#include <utility>

/// The host's error-trapping context: runs host code and traps the ZALError it
/// raises, so that the caller can carry on.
class ZALXHContext {
public:
  /// Runs `body`; true when it finished, false when it raised a ZALError
  /// (which is flushed and discarded). Other exceptions pass through.
  template <class Body>
  static bool Run(Body&& body)
  {
    try {
      std::forward<Body>(body)();
      return true;
    } catch (ZALError& error) {
      error.Flush();
      return false;
    }
  }
};
