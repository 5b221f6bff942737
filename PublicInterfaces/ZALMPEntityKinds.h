#pragma once
#include "ZALMPActuator.h"
#include "ZALMPAttribute.h"
#include "ZALMPBody.h"
#include "ZALMPConnector.h"
#include "ZALMPConstraint.h"
#include "ZALMPGeometry.h"
#include "ZALMPInteraction.h"
#include "ZALMPJoint.h"
#include "ZALMPMaterial.h"
#include "ZALMPSensor.h"
#include "ZALMPShape.h"
#include "ZALMPSupport.h"
#include "ZALMPValue.h"
#include "ZALMPVariable.h"

#include <RVLDynamicObject.h>

#include <string_view>
#include <type_traits>
#include <utility>

/// An ordered list of entity kinds, walked at compile time.
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
    const int place = FirstPlace(object);
    AtPlace(place, visit);
    return place >= 0;
  }

  /// The place (from 0) of the first kind `object` is of, as `First` finds
  /// it; -1 when it is of none.
  static int FirstPlace(const RVLDynamicObject& object)
  {
    int place = 0;
    const bool found = ((object.isDerivedFrom(Kinds::ClassInfo()) || (++place, false)) || ...);
    return found ? place : -1;
  }

  /// Calls `visit(std::type_identity<T>{})` for the kind T at `place`; nothing
  /// when there is none.
  template <class Visit>
  static void AtPlace(int place, Visit&& visit)
  {
    int at = 0;
    static_cast<void>(((at++ == place && (visit(std::type_identity<Kinds>{}), true)) || ...));
  }

  /// True when T is one of the kinds.
  template <class T>
  static constexpr bool kHas = (std::is_same_v<T, Kinds> || ...);
};

/// The fourteen kinds a world files entities under, in the order the world
/// walks its registries: `X` applied to each, `SEP` between them. The one
/// list of kinds: the world's registries and typed operations, its passes and
/// the tools all follow it.
#define ZALMP_ENTITY_KINDS(X, SEP)                                                                            \
  X(ZALMPActuator) SEP X(ZALMPBody) SEP X(ZALMPConnector) SEP X(ZALMPConstraint) SEP X(ZALMPGeometry)          \
  SEP X(ZALMPInteraction) SEP X(ZALMPJoint) SEP X(ZALMPMaterial) SEP X(ZALMPSensor) SEP X(ZALMPValue)          \
  SEP X(ZALMPVariable) SEP X(ZALMPShape) SEP X(ZALMPAttribute) SEP X(ZALMPSupport)
#define ZALMP_KIND_ITSELF(T) T
#define ZALMP_KIND_COMMA ,

using ZALMPEntityKinds = ZALMPKindList<ZALMP_ENTITY_KINDS(ZALMP_KIND_ITSELF, ZALMP_KIND_COMMA)>;

/// A kind's name: its class name without the "ZALMP" prefix ("Body").
template <class T>
std::string_view ZALMPKindName()
{
  return std::string_view(T::ClassName()).substr(5);
}

/// The id of the element that holds the entities of kind T in a saved world.
template <class T>
std::wstring_view ZALMPCollectionName()
{
  static_assert(ZALMPEntityKinds::kHas<T>, "not an entity kind of the world");
  static constexpr std::pair<std::string_view, std::wstring_view> kCollections[] = {
      {"Actuator", L"Actuators"},   {"Attribute", L"Attributes"}, {"Body", L"Bodies"},
      {"Connector", L"Connectors"}, {"Constraint", L"Constraints"}, {"Geometry", L"Geometries"},
      {"Interaction", L"Interactions"}, {"Joint", L"Joints"},     {"Material", L"Materials"},
      {"Sensor", L"Sensors"},       {"Shape", L"Shapes"},         {"Support", L"Supports"},
      {"Value", L"Values"},         {"Variable", L"Variables"}};
  for (const auto& [kind, collection] : kCollections)
    if (kind == ZALMPKindName<T>()) return collection;
  return {};
}
