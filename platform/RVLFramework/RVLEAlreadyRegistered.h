#pragma once
#include "RVLException.h"

/// A subscriber was added to a notification agent that already holds it.
class RVLEAlreadyRegistered : public RVLException {
public:
  RVLEAlreadyRegistered();
};
