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

#include <string_view>
#include <type_traits>

/// The fourteen kinds a world files entities under, in alphabetical order,
/// each with the name the tool shows for it.
class ZALMPEntityKinds {
public:
  /// Calls `visit(std::type_identity<T>{}, name)` for each kind T.
  template <class Visit>
  static void ForEach(Visit&& visit)
  {
    visit(std::type_identity<ZALMPActuator>{}, std::string_view("Actuator"));
    visit(std::type_identity<ZALMPAttribute>{}, std::string_view("Attribute"));
    visit(std::type_identity<ZALMPBody>{}, std::string_view("Body"));
    visit(std::type_identity<ZALMPConnector>{}, std::string_view("Connector"));
    visit(std::type_identity<ZALMPConstraint>{}, std::string_view("Constraint"));
    visit(std::type_identity<ZALMPGeometry>{}, std::string_view("Geometry"));
    visit(std::type_identity<ZALMPInteraction>{}, std::string_view("Interaction"));
    visit(std::type_identity<ZALMPJoint>{}, std::string_view("Joint"));
    visit(std::type_identity<ZALMPMaterial>{}, std::string_view("Material"));
    visit(std::type_identity<ZALMPSensor>{}, std::string_view("Sensor"));
    visit(std::type_identity<ZALMPShape>{}, std::string_view("Shape"));
    visit(std::type_identity<ZALMPSupport>{}, std::string_view("Support"));
    visit(std::type_identity<ZALMPValue>{}, std::string_view("Value"));
    visit(std::type_identity<ZALMPVariable>{}, std::string_view("Variable"));
  }
};
