#pragma once
#include "ZALMathPoint.h"
#include "ZALMathVector.h"

/// An axis system of space: an origin and three directions, stored as given
/// (they need not be unit or orthogonal). By default the canonical frame:
/// origin (0, 0, 0), directions (1, 0, 0), (0, 1, 0), (0, 0, 1).
class ZALMathAxis {
public:
  constexpr ZALMathAxis() noexcept = default;
  constexpr ZALMathAxis(const ZALMathPoint& origin, const ZALMathVector& first, const ZALMathVector& second,
                        const ZALMathVector& third) noexcept
    : m_origin(origin), m_first(first), m_second(second), m_third(third)
  {
  }

  void SetOrigin(const ZALMathPoint& origin) noexcept;
  constexpr ZALMathPoint GetOrigin() const noexcept { return m_origin; }
  void SetDirections(const ZALMathVector& first, const ZALMathVector& second, const ZALMathVector& third) noexcept;
  void GetDirections(ZALMathVector& first, ZALMathVector& second, ZALMathVector& third) const noexcept;
  constexpr ZALMathVector GetFirstDirection() const noexcept { return m_first; }
  constexpr ZALMathVector GetSecondDirection() const noexcept { return m_second; }
  constexpr ZALMathVector GetThirdDirection() const noexcept { return m_third; }

  /// Exact, coordinate by coordinate.
  friend constexpr bool operator==(const ZALMathAxis&, const ZALMathAxis&) noexcept = default;

private:
  ZALMathPoint m_origin;
  ZALMathVector m_first{1.0, 0.0, 0.0};
  ZALMathVector m_second{0.0, 1.0, 0.0};
  ZALMathVector m_third{0.0, 0.0, 1.0};
};
