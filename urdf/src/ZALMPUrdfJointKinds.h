#pragma once
#include <ZALMPPhysicalQuantity.h>

#include <RVLSharedHandle.h>

#include <string>

class ZALMPConstraint;
class ZALMPJoint;

/// The one table between URDF joint types and the joint kinds that keep
/// their degrees of freedom, read both ways, and the names given to what a
/// URDF joint or link becomes:
///   body                       the link's name
///   joint                      the joint's name
///   axis systems               "<joint>.parent" and "<joint>.child"
///   constraint                 "<joint>.constraint"
///   variable                   "<joint>.angle" (revolute) or "<joint>.length" (prismatic)
///   shapes                     "<link>.visual<n>" and "<link>.collision<n>", n counted from 1
///   fixed base joint           "<root link>.fixed_base"
///   exported floating joint    "<child link>.floating"
class ZALMPUrdfJointKinds {
public:
  struct Row {
    int urdfType;  // urdf::Joint's type
    bool (*isKind)(const ZALMPJoint& joint);
    RVLSharedHandle<ZALMPJoint> (*makeJoint)(const std::wstring& name);
    RVLSharedHandle<ZALMPConstraint> (*makeConstraint)(const std::wstring& name);
    ZALMPPhysicalQuantity::Enum quantity;  // of the variable; NoPhysicalQuantity: no variable
    bool limited;                          // the variable holds the URDF limits
  };

  /// The row of a URDF joint type; null for floating (no joint) and unknown types.
  static const Row* ForUrdf(int urdfType);
  /// The row of the joint's kind (a revolute joint finds the limited row);
  /// null for a kind URDF lacks.
  static const Row* ForJoint(const ZALMPJoint& joint);
  /// The row of a revolute joint whose variable has no limits.
  static const Row& Continuous();

  static std::wstring ParentFrameName(const std::wstring& joint) { return joint + L".parent"; }
  static std::wstring ChildFrameName(const std::wstring& joint) { return joint + L".child"; }
  static std::wstring ConstraintName(const std::wstring& joint) { return joint + L".constraint"; }
  static std::wstring VariableName(const std::wstring& joint, ZALMPPhysicalQuantity::Enum quantity)
  {
    return joint + (quantity == ZALMPPhysicalQuantity::Angle ? L".angle" : L".length");
  }
  static std::wstring ShapeName(const std::wstring& link, bool collision, int number)
  {
    return link + (collision ? L".collision" : L".visual") + std::to_wstring(number);
  }
  /// True for a shape name that ShapeName gave to collision geometry; only
  /// the last part counts, as the link's own name may hold anything.
  static bool IsCollisionName(const std::wstring& shape)
  {
    const std::size_t last = shape.rfind(L'.');
    return last != std::wstring::npos && shape.compare(last, 10, L".collision") == 0;
  }
  static std::wstring FixedBaseName(const std::wstring& root) { return root + L".fixed_base"; }
  static std::string FloatingName(const std::string& child) { return child + ".floating"; }
};
