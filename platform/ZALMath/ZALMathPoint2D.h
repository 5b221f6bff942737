#pragma once
#include "ZALMathVector2D.h"

/// A point of the plane: two doubles, a plain value. Point minus point is a
/// vector; point plus or minus vector is a point.
class ZALMathPoint2D {
public:
  constexpr ZALMathPoint2D() noexcept = default;
  constexpr ZALMathPoint2D(double x, double y) noexcept : m_x(x), m_y(y) {}
  constexpr explicit ZALMathPoint2D(const double coord[2]) noexcept : m_x(coord[0]), m_y(coord[1]) {}

  constexpr void SetCoord(double x, double y) noexcept
  {
    m_x = x;
    m_y = y;
  }
  constexpr void SetCoord(const double coord[2]) noexcept { SetCoord(coord[0], coord[1]); }
  constexpr void GetCoord(double& x, double& y) const noexcept
  {
    x = m_x;
    y = m_y;
  }
  constexpr void GetCoord(double coord[2]) const noexcept { GetCoord(coord[0], coord[1]); }
  constexpr double GetX() const noexcept { return m_x; }
  constexpr double GetY() const noexcept { return m_y; }

  double DistanceTo(const ZALMathPoint2D& other) const noexcept;

  constexpr ZALMathPoint2D& operator+=(const ZALMathVector2D& shift) noexcept
  {
    m_x += shift.GetX();
    m_y += shift.GetY();
    return *this;
  }
  constexpr ZALMathPoint2D& operator-=(const ZALMathVector2D& shift) noexcept
  {
    m_x -= shift.GetX();
    m_y -= shift.GetY();
    return *this;
  }

  /// Exact, component by component.
  friend constexpr bool operator==(const ZALMathPoint2D&, const ZALMathPoint2D&) noexcept = default;

private:
  double m_x = 0.0;
  double m_y = 0.0;
};

/// The vector from `from` to `to`.
constexpr ZALMathVector2D operator-(const ZALMathPoint2D& to, const ZALMathPoint2D& from) noexcept
{
  return {to.GetX() - from.GetX(), to.GetY() - from.GetY()};
}
constexpr ZALMathPoint2D operator+(ZALMathPoint2D point, const ZALMathVector2D& shift) noexcept
{
  return point += shift;
}
constexpr ZALMathPoint2D operator-(ZALMathPoint2D point, const ZALMathVector2D& shift) noexcept
{
  return point -= shift;
}
