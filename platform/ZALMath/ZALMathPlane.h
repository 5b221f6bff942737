#pragma once
#include "ZALMathPoint.h"
#include "ZALMathVector.h"

/// A plane of space: an origin, a unit normal and two unit in-plane
/// directions with first × second = normal. By default the plane z = 0 with
/// directions (1, 0, 0) and (0, 1, 0).
class ZALMathPlane {
public:
  constexpr ZALMathPlane() noexcept = default;
  /// The plane through `origin` normal to `normal`. The normal is made a unit
  /// vector as a ZALMathDirection is (the zero vector gives (1, 0, 0)). The
  /// first in-plane direction is the canonical axis least aligned with the
  /// normal (the earliest on a tie), projected into the plane and normalised;
  /// the second is normal × first.
  ZALMathPlane(const ZALMathPoint& origin, const ZALMathVector& normal) noexcept;

  constexpr ZALMathPoint GetOrigin() const noexcept { return m_origin; }
  constexpr ZALMathVector GetNormal() const noexcept { return m_normal; }
  void GetDirections(ZALMathVector& first, ZALMathVector& second) const noexcept;

  /// Exact, coordinate by coordinate.
  friend constexpr bool operator==(const ZALMathPlane&, const ZALMathPlane&) noexcept = default;

private:
  ZALMathPoint m_origin;
  ZALMathVector m_normal{0.0, 0.0, 1.0};
  ZALMathVector m_first{1.0, 0.0, 0.0};
  ZALMathVector m_second{0.0, 1.0, 0.0};
};
