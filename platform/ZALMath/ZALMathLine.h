#pragma once
#include "ZALMathPoint.h"
#include "ZALMathVector.h"

/// An oriented line of space: an origin and a direction, both stored as given
/// (the direction is not normalised, so a length it carries is kept). By
/// default through (0, 0, 0) along (1, 0, 0).
class ZALMathLine {
public:
  constexpr ZALMathLine() noexcept = default;
  constexpr ZALMathLine(const ZALMathPoint& origin, const ZALMathVector& direction) noexcept
    : m_origin(origin), m_direction(direction)
  {
  }

  void SetOrigin(const ZALMathPoint& origin) noexcept;
  constexpr ZALMathPoint GetOrigin() const noexcept { return m_origin; }
  void SetDirection(const ZALMathVector& direction) noexcept;
  constexpr ZALMathVector GetDirection() const noexcept { return m_direction; }

  /// Exact, coordinate by coordinate.
  friend constexpr bool operator==(const ZALMathLine&, const ZALMathLine&) noexcept = default;

private:
  ZALMathPoint m_origin;
  ZALMathVector m_direction{1.0, 0.0, 0.0};
};
