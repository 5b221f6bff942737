#include "ZALMPUrdfPose.h"

#include <cmath>

ZALMath3x3Matrix ZALMPUrdfPose::ToMatrix(const urdf::Rotation& rotation)
{
  double x = 0.0, y = 0.0, z = 0.0, w = 1.0;
  rotation.getQuaternion(x, y, z, w);
  const double norm = x * x + y * y + z * z + w * w;
  const double s = norm > 0.0 ? 2.0 / norm : 0.0;
  return ZALMath3x3Matrix({1.0 - s * (y * y + z * z), s * (x * y + z * w), s * (x * z - y * w)},
                          {s * (x * y - z * w), 1.0 - s * (x * x + z * z), s * (y * z + x * w)},
                          {s * (x * z + y * w), s * (y * z - x * w), 1.0 - s * (x * x + y * y)});
}

ZALMathTransformation ZALMPUrdfPose::ToTransformation(const urdf::Pose& pose)
{
  return ZALMathTransformation(ToMatrix(pose.rotation), ToVector(pose.position));
}

urdf::Pose ZALMPUrdfPose::ToPose(const ZALMathTransformation& transformation)
{
  // The largest of the four quaternion terms is taken from the diagonal, so
  // that the division below never goes through a small number.
  const ZALMath3x3Matrix m = transformation.GetMatrix();
  const ZALMathVector c1 = m.GetFirstColumn(), c2 = m.GetSecondColumn(), c3 = m.GetThirdColumn();
  const double r11 = c1.GetX(), r21 = c1.GetY(), r31 = c1.GetZ();
  const double r12 = c2.GetX(), r22 = c2.GetY(), r32 = c2.GetZ();
  const double r13 = c3.GetX(), r23 = c3.GetY(), r33 = c3.GetZ();
  double x = 0.0, y = 0.0, z = 0.0, w = 1.0;
  if (const double trace = r11 + r22 + r33; trace > 0.0) {
    const double s = 2.0 * std::sqrt(trace + 1.0);
    w = s / 4.0, x = (r32 - r23) / s, y = (r13 - r31) / s, z = (r21 - r12) / s;
  } else if (r11 > r22 && r11 > r33) {
    const double s = 2.0 * std::sqrt(1.0 + r11 - r22 - r33);
    w = (r32 - r23) / s, x = s / 4.0, y = (r12 + r21) / s, z = (r13 + r31) / s;
  } else if (r22 > r33) {
    const double s = 2.0 * std::sqrt(1.0 + r22 - r11 - r33);
    w = (r13 - r31) / s, x = (r12 + r21) / s, y = s / 4.0, z = (r23 + r32) / s;
  } else {
    const double s = 2.0 * std::sqrt(1.0 + r33 - r11 - r22);
    w = (r21 - r12) / s, x = (r13 + r31) / s, y = (r23 + r32) / s, z = s / 4.0;
  }
  urdf::Pose pose;
  pose.position = ToUrdf(transformation.GetVector());
  pose.rotation.setFromQuaternion(x, y, z, w);
  return pose;
}

std::array<double, 3> ZALMPUrdfPose::Rpy(const urdf::Rotation& rotation)
{
  const ZALMath3x3Matrix m = ToMatrix(rotation);
  const ZALMathVector c1 = m.GetFirstColumn(), c2 = m.GetSecondColumn(), c3 = m.GetThirdColumn();
  const double cosPitch = std::hypot(c1.GetX(), c1.GetY());
  const double pitch = std::atan2(-c1.GetZ(), cosPitch);
  // At a quarter turn of pitch, roll and yaw turn about the same axis: all of it goes to roll.
  if (cosPitch < 1e-12) return {std::atan2(-c3.GetY(), c2.GetY()), pitch, 0.0};
  return {std::atan2(c2.GetZ(), c3.GetZ()), pitch, std::atan2(c1.GetY(), c1.GetX())};
}
