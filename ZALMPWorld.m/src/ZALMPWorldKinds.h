#pragma once
#include <ZALMPEntityKinds.h>

// The orders in which the world's passes take the kinds of ZALMPEntityKinds
// (its registry order). Each is a fixed rule of the saved format or of the
// world's operations; a new kind joins them here.

/// The order of the entity collections in a saved world.
using ZALMPCollectionOrder =
    ZALMPKindList<ZALMPBody, ZALMPShape, ZALMPJoint, ZALMPConstraint, ZALMPGeometry, ZALMPVariable, ZALMPValue,
                  ZALMPActuator, ZALMPSensor, ZALMPMaterial, ZALMPConnector, ZALMPInteraction, ZALMPAttribute,
                  ZALMPSupport>;

/// The kinds a read entity is filed under, first match wins (a joint that is
/// also something else is a joint).
using ZALMPFilingOrder =
    ZALMPKindList<ZALMPJoint, ZALMPBody, ZALMPConstraint, ZALMPVariable, ZALMPGeometry, ZALMPMaterial,
                  ZALMPInteraction, ZALMPActuator, ZALMPConnector, ZALMPSensor, ZALMPShape, ZALMPValue,
                  ZALMPAttribute, ZALMPSupport>;

/// The kinds a filtered clone copies. Values in the list are passed over: a
/// value is copied along with the entity that holds it (a spring's stiffness,
/// a parameter's values). Connectors are copied as the kinds they connect are,
/// since a user copying two bodies and the spring between them expects the spring.
using ZALMPFilteredCloneOrder =
    ZALMPKindList<ZALMPJoint, ZALMPBody, ZALMPConstraint, ZALMPVariable, ZALMPGeometry, ZALMPMaterial,
                  ZALMPInteraction, ZALMPActuator, ZALMPConnector, ZALMPSensor, ZALMPShape, ZALMPAttribute,
                  ZALMPSupport>;

/// The kinds whose keys the untyped ZALMPWorld::GetKeys looks up; interactions
/// are served by their typed GetKeys only.
using ZALMPKeyLookupOrder =
    ZALMPKindList<ZALMPBody, ZALMPJoint, ZALMPConstraint, ZALMPGeometry, ZALMPVariable, ZALMPActuator, ZALMPSensor,
                  ZALMPMaterial, ZALMPConnector, ZALMPShape, ZALMPValue, ZALMPAttribute, ZALMPSupport>;
