#pragma once
#include "ZALMPExport.h"

#include <ZALMathAxis.h>
#include <ZALStatus.h>

#include <vector>

class ZALMPJoint;

/// Computes a joint's frames, one per linked body, from the geometries its
/// constraints use, by the kind of joint its solver takes it for:
/// - axis-system types (0, 8, 32): the first axis system of the body that a
///   constraint of the joint uses (in the body's coordinates), else the body's
///   placement;
/// - point types (17, 23): the body's placement moved to the first point of
///   the body that a constraint uses;
/// - placement types (19, 21): the body's placement;
/// - any other type: the joint loader's frames, known in world coordinates.
/// The world's global body always gives the default axis. Each frame is then
/// expressed in world coordinates, or in its body's with `inBodyFrame`.
class ZALMP_EXPORT ZALMPJointFramesServices {
public:
  /// Appends the frames to `frames`. S_OK when `frames` holds one at the end.
  /// Otherwise: for another type, the loader's status (E_FAIL when it cannot
  /// be had; S_FALSE without one); S_FALSE for a joint without bodies and for
  /// a null joint (reported).
  static HRESULT ComputeFrames(const ZALMPJoint* joint, std::vector<ZALMathAxis>& frames, unsigned char inBodyFrame);
};
