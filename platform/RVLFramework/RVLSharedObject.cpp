#include "RVLSharedObject.h"

RVL_DEFINE_CLASS_INFO(RVLSharedObject, RVLCountedObject)
