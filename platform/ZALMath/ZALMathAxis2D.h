#pragma once
#include "ZALMathPoint2D.h"
#include "ZALMathVector2D.h"

/// An axis system of the plane: an origin and two directions, stored as given.
/// By default the canonical frame: origin (0, 0), directions (1, 0), (0, 1).
class ZALMathAxis2D {
public:
  constexpr ZALMathAxis2D() noexcept = default;
  constexpr ZALMathAxis2D(const ZALMathPoint2D& origin, const ZALMathVector2D& first,
                          const ZALMathVector2D& second) noexcept
    : m_origin(origin), m_first(first), m_second(second)
  {
  }

  void SetOrigin(const ZALMathPoint2D& origin) noexcept;
  constexpr ZALMathPoint2D GetOrigin() const noexcept { return m_origin; }
  void SetDirections(const ZALMathVector2D& first, const ZALMathVector2D& second) noexcept;
  void GetDirections(ZALMathVector2D& first, ZALMathVector2D& second) const noexcept;
  constexpr ZALMathVector2D GetFirstDirection() const noexcept { return m_first; }
  constexpr ZALMathVector2D GetSecondDirection() const noexcept { return m_second; }

  /// Exact, coordinate by coordinate.
  friend constexpr bool operator==(const ZALMathAxis2D&, const ZALMathAxis2D&) noexcept = default;

private:
  ZALMathPoint2D m_origin;
  ZALMathVector2D m_first{1.0, 0.0};
  ZALMathVector2D m_second{0.0, 1.0};
};
