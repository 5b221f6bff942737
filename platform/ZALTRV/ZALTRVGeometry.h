#pragma once
#include <ZALMathPoint.h>
#include <ZALMathVector.h>

/// The checks and the circle frame that the modeller's curves and surfaces
/// share. Each object's maker refuses numbers that fail them, so a damaged
/// stream cannot make an object that its maker would refuse.
class ZALTRVGeometry {
public:
  ZALTRVGeometry() = delete;

  static bool IsFinite(const ZALMathPoint& point);
  /// True for finite `low` < `high`.
  static bool IsInterval(double low, double high);
  /// True for an interval of angles of at most one turn.
  static bool IsAngleInterval(double low, double high);
  /// True when both vectors are finite, not zero and not parallel.
  static bool AreIndependent(const ZALMathVector& first, const ZALMathVector& second);

  /// The unit vectors `x` (`reference` made normal to `normal`) and `y`
  /// (normal × x) of the plane of a circle; the two given must be independent.
  static void CircleFrame(const ZALMathVector& normal, const ZALMathVector& reference, ZALMathVector& x,
                          ZALMathVector& y);
};
