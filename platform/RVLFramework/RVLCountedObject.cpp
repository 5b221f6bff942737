#include "RVLCountedObject.h"

RVL_DEFINE_CLASS_INFO(RVLCountedObject, RVLDynamicObject)
