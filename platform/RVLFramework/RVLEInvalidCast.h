#pragma once
#include "RVLException.h"

/// A handle was narrowed to a class that its referent is not of.
class RVLEInvalidCast : public RVLException {
public:
  RVLEInvalidCast();
};
