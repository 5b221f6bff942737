#pragma once
#include <ZALMath3x3Matrix.h>
#include <ZALMathTransformation.h>
#include <ZALMathVector.h>

#include <urdf_model/pose.h>

#include <array>

/// The one conversion between URDF poses (a position and a unit quaternion)
/// and the model's transformations (a rotation matrix and a translation).
class ZALMPUrdfPose {
public:
  static ZALMathVector ToVector(const urdf::Vector3& vector) { return {vector.x, vector.y, vector.z}; }
  static urdf::Vector3 ToUrdf(const ZALMathVector& vector) { return {vector.GetX(), vector.GetY(), vector.GetZ()}; }

  static ZALMath3x3Matrix ToMatrix(const urdf::Rotation& rotation);
  static ZALMathTransformation ToTransformation(const urdf::Pose& pose);
  /// The rotation part must be a rotation (orthonormal, determinant 1).
  static urdf::Pose ToPose(const ZALMathTransformation& transformation);
  /// Roll, pitch and yaw of `rotation` (R = Rz(yaw) Ry(pitch) Rx(roll)) to full
  /// precision, also close to a pitch of a quarter turn.
  static std::array<double, 3> Rpy(const urdf::Rotation& rotation);
};
