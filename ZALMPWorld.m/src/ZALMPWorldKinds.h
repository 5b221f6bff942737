#pragma once
#include <ZALMPActuator.h>
#include <ZALMPAttribute.h>
#include <ZALMPBody.h>
#include <ZALMPConnector.h>
#include <ZALMPConstraint.h>
#include <ZALMPGeometry.h>
#include <ZALMPInteraction.h>
#include <ZALMPJoint.h>
#include <ZALMPMaterial.h>
#include <ZALMPSensor.h>
#include <ZALMPShape.h>
#include <ZALMPSupport.h>
#include <ZALMPValue.h>
#include <ZALMPVariable.h>

#include <RVLDynamicObject.h>

#include <string_view>
#include <type_traits>

/// An ordered list of entity kinds. The world's passes (saving, reading,
/// filing, cloning) each walk one such list, so a kind joins every pass by
/// being named in the lists below.
template <class... Kinds>
struct ZALMPKindList {
  /// Calls `visit(std::type_identity<T>{})` for each kind T, in order.
  template <class Visit>
  static void ForEach(Visit&& visit)
  {
    (visit(std::type_identity<Kinds>{}), ...);
  }

  /// Calls `visit(std::type_identity<T>{})` for the first kind T that `object`
  /// is of; false when it is of none.
  template <class Visit>
  static bool First(const RVLDynamicObject& object, Visit&& visit)
  {
    return ((object.isDerivedFrom(Kinds::ClassInfo()) && (visit(std::type_identity<Kinds>{}), true)) || ...);
  }
};

/// The order of the world's registries: its whole-world walks, teardown, Clone.
using ZALMPRegistryOrder =
    ZALMPKindList<ZALMPActuator, ZALMPBody, ZALMPConnector, ZALMPConstraint, ZALMPGeometry, ZALMPInteraction,
                  ZALMPJoint, ZALMPMaterial, ZALMPSensor, ZALMPValue, ZALMPVariable, ZALMPShape, ZALMPAttribute,
                  ZALMPSupport>;

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

/// The kinds a filtered clone copies; connectors and values in the list are
/// passed over.
using ZALMPFilteredCloneOrder =
    ZALMPKindList<ZALMPJoint, ZALMPBody, ZALMPConstraint, ZALMPVariable, ZALMPGeometry, ZALMPMaterial,
                  ZALMPInteraction, ZALMPActuator, ZALMPSensor, ZALMPShape, ZALMPAttribute, ZALMPSupport>;

/// The kinds whose keys the untyped ZALMPWorld::GetKeys looks up.
using ZALMPKeyLookupOrder =
    ZALMPKindList<ZALMPBody, ZALMPJoint, ZALMPConstraint, ZALMPGeometry, ZALMPVariable, ZALMPActuator, ZALMPSensor,
                  ZALMPMaterial, ZALMPConnector, ZALMPShape, ZALMPValue, ZALMPAttribute, ZALMPSupport>;

/// The id of the element that holds the entities of kind T in a saved world.
template <class T>
constexpr std::wstring_view ZALMPCollectionName()
{
  if constexpr (std::is_same_v<T, ZALMPBody>) return L"Bodies";
  else if constexpr (std::is_same_v<T, ZALMPShape>) return L"Shapes";
  else if constexpr (std::is_same_v<T, ZALMPJoint>) return L"Joints";
  else if constexpr (std::is_same_v<T, ZALMPConstraint>) return L"Constraints";
  else if constexpr (std::is_same_v<T, ZALMPGeometry>) return L"Geometries";
  else if constexpr (std::is_same_v<T, ZALMPVariable>) return L"Variables";
  else if constexpr (std::is_same_v<T, ZALMPValue>) return L"Values";
  else if constexpr (std::is_same_v<T, ZALMPActuator>) return L"Actuators";
  else if constexpr (std::is_same_v<T, ZALMPSensor>) return L"Sensors";
  else if constexpr (std::is_same_v<T, ZALMPMaterial>) return L"Materials";
  else if constexpr (std::is_same_v<T, ZALMPConnector>) return L"Connectors";
  else if constexpr (std::is_same_v<T, ZALMPInteraction>) return L"Interactions";
  else if constexpr (std::is_same_v<T, ZALMPAttribute>) return L"Attributes";
  else {
    static_assert(std::is_same_v<T, ZALMPSupport>, "not an entity kind of the world");
    return L"Supports";
  }
}
