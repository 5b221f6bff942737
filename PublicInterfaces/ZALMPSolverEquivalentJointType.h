#pragma once
#include <cstdint>

/// The kind of joint a solver takes a joint for. Its values come from the
/// host (through the joint loader); the library tells apart only the three
/// groups by which a joint's frames are computed from geometry.
class ZALMPSolverEquivalentJointType {
public:
  enum Enum : std::int32_t {};

  /// Frames come from the axis systems the joint's constraints use.
  static constexpr bool IsAxisSystemType(Enum type) { return type == 0 || type == 8 || type == 32; }
  /// Frames are the bodies' placements moved to the points the constraints use.
  static constexpr bool IsPointType(Enum type) { return type == 17 || type == 23; }
  /// Frames are the bodies' placements.
  static constexpr bool IsPlacementType(Enum type) { return type == 19 || type == 21; }
};
