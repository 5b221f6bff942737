#pragma once
#include <string>
#include <string_view>

/// How the model's names read in Python.
class ZALMPPyNames {
public:
  /// An attribute name from a field or link name: "CenterOfGravity" ->
  /// "center_of_gravity", "JointDOFSensor" -> "joint_dof_sensor"; a name that
  /// starts with a digit moves that word to the end ("3DPosition" -> "position_3d").
  static std::string Attribute(std::wstring_view name);
  /// A class name from an entity class name: the class name without "ZALMP"
  /// ("ZALMPRevolute" -> "Revolute"), or the whole name when the rest does
  /// not start as an identifier may ("ZALMP0DoF").
  static std::string Class(std::string_view className);
  /// Narrow text of ASCII names.
  static std::string Narrow(std::wstring_view text);
};
