#include "RVLBasicEntity3D.h"

RVL_DEFINE_CLASS_INFO(RVLBasicEntity3D, RVLBasicEntity)
