#include "RVLEAlreadyRegistered.h"
#include "RVLEInvalidCast.h"

RVLEInvalidCast::RVLEInvalidCast() : RVLException("The source and target handles have incompatible referent types") {}

RVLEAlreadyRegistered::RVLEAlreadyRegistered() : RVLException("The subscriber is already registered with this agent") {}
