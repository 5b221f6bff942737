#include "ZALMPGeometryTestDoubles.h"

ZALMP_DEFINE_CLASS_WITH_ID(TestConstraint, ZALMPConstraint, "0E0E0E0E-0000-4000-8000-000000000601", nullptr);
