#pragma once
#include "ZALMathPoint.h"
#include "ZALMathVector.h"

#include <ZALStatus.h>

/// A circle of space: a centre, a radius and two orthonormal in-plane
/// directions, the first of which is the reference direction (angle 0); the
/// normal is first × second. By default the unit circle about (0, 0, 0) in the
/// plane z = 0, with directions (1, 0, 0) and (0, 1, 0).
class ZALMathCircle {
public:
  constexpr ZALMathCircle() noexcept = default;

  /// Sets the circle about `centre` in the plane of `first` and `second`,
  /// turning as from `first` to `second`. The reference direction lies at the
  /// angle whose cosine and sine are proportional to `referenceCosine` and
  /// `referenceSine`, measured from `first`: (1.0, 0.0) keeps `first`.
  /// `second` only needs to be non-parallel to `first`; it is made orthogonal.
  /// S_OK: set. E_FAIL: the radius is not positive, a direction is zero, the
  /// directions are parallel, or both reference numbers are zero or one is not
  /// finite; the circle is unchanged.
  HRESULT Set(const ZALMathPoint& centre, const ZALMathVector& first, const ZALMathVector& second, double radius,
              double referenceCosine, double referenceSine) noexcept;

  constexpr ZALMathPoint GetCenter() const noexcept { return m_centre; }
  constexpr double GetRadius() const noexcept { return m_radius; }
  /// The reference direction and the in-plane direction a quarter turn on.
  void GetDirections(ZALMathVector& first, ZALMathVector& second) const noexcept;
  constexpr ZALMathVector GetNormal() const noexcept { return m_first.Cross(m_second); }

  /// Exact, coordinate by coordinate.
  friend constexpr bool operator==(const ZALMathCircle&, const ZALMathCircle&) noexcept = default;

private:
  ZALMathPoint m_centre;
  ZALMathVector m_first{1.0, 0.0, 0.0};
  ZALMathVector m_second{0.0, 1.0, 0.0};
  double m_radius = 1.0;
};
