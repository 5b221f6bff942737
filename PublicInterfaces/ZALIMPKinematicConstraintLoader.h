#pragma once
#include "ZALIMPConstraintLoader.h"
#include "ZALMPExport.h"

/// Host hooks of a kinematic constraint (revolute, prismatic ...): those of
/// every constraint; a host tells the kinematic kinds apart by implementing
/// this interface.
class ZALMP_EXPORT ZALIMPKinematicConstraintLoader : public ZALIMPConstraintLoader {
};
