#pragma once
#include "ZALMPUrdfResult.h"

#include <filesystem>
#include <string>
#include <string_view>

class ZALMPWorld;
struct ZALMPXmlModel;

/// Robot descriptions in URDF, read into worlds and written from them.
///
/// A link is a body (mass, centre of gravity, inertia in the body frame,
/// placement from the joint origins down from the root link); a joint is the
/// joint kind with the same degrees of freedom (revolute and continuous:
/// revolute; prismatic; fixed: rigid; planar), with an axis system on each
/// body at the joint origin whose Z axis is the joint axis, the constraint of
/// that kind between them and, for revolute and prismatic joints, a variable
/// holding the limits. A floating joint leaves its child body free. Visual
/// and collision geometry become shapes. Whatever one side has no place for
/// is listed as a warning, never dropped silently.
class ZALMPUrdf {
public:
  /// Whether the root link's body is held by the world: Fixed joins it to the
  /// world's global body with a rigid joint.
  enum class Base { Free, Fixed };

  /// Reads a URDF document into a new world. On success `model` holds it
  /// (its version the newest format version) and the result lists what was
  /// not kept. On failure `model` is left as it was and the message says why:
  /// the parser's own text for malformed XML or a broken tree, or ours for a
  /// loop of joints or a joint axis of zero length.
  static ZALMPUrdfResult Import(std::string_view text, ZALMPXmlModel& model, Base base = Base::Free);
  /// `Import` of the file at `path`; a file that cannot be read is an error.
  static ZALMPUrdfResult Load(const std::filesystem::path& path, ZALMPXmlModel& model, Base base = Base::Free);

  /// The URDF document of `world`, as far as URDF goes: a closed loop, a
  /// joint kind URDF lacks, and every entity that is not a body, one of the
  /// joints above or their frames, constraints, variables and shapes is left
  /// out with a warning. Fails only for a world without a body to be a link.
  static ZALMPUrdfResult Export(const ZALMPWorld& world, std::string& text);
  /// `Export`, then an atomic save: `path` is replaced only by a complete file.
  static ZALMPUrdfResult Save(const ZALMPWorld& world, const std::filesystem::path& path);
};
