#pragma once
#include "RVLCountedObject.h"

/// A counted object that may be shared between several owners.
class RVLSharedObject : public RVLCountedObject {
  RVL_DECLARE_CLASS_INFO(RVLSharedObject)
protected:
  RVLSharedObject() = default;
  RVLSharedObject(const RVLSharedObject& other) = default;
};
