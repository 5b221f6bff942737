#pragma once
#include "ZALMathPoint2D.h"
#include "ZALMathVector2D.h"

/// An oriented line of the plane: an origin and a direction, both stored as
/// given. By default through (0, 0) along (1, 0).
class ZALMathLine2D {
public:
  constexpr ZALMathLine2D() noexcept = default;
  constexpr ZALMathLine2D(const ZALMathPoint2D& origin, const ZALMathVector2D& direction) noexcept
    : m_origin(origin), m_direction(direction)
  {
  }

  void SetOrigin(const ZALMathPoint2D& origin) noexcept;
  constexpr ZALMathPoint2D GetOrigin() const noexcept { return m_origin; }
  void SetDirection(const ZALMathVector2D& direction) noexcept;
  constexpr ZALMathVector2D GetDirection() const noexcept { return m_direction; }

  /// Exact, coordinate by coordinate.
  friend constexpr bool operator==(const ZALMathLine2D&, const ZALMathLine2D&) noexcept = default;

private:
  ZALMathPoint2D m_origin;
  ZALMathVector2D m_direction{1.0, 0.0};
};
