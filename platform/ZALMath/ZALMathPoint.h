#pragma once
#include "ZALMathVector.h"

/// A point of space: three doubles, a plain value. Point minus point is a
/// vector; point plus or minus vector is a point.
class ZALMathPoint {
public:
  constexpr ZALMathPoint() noexcept = default;
  constexpr ZALMathPoint(double x, double y, double z) noexcept : m_x(x), m_y(y), m_z(z) {}
  constexpr explicit ZALMathPoint(const double coord[3]) noexcept
    : m_x(coord[0]), m_y(coord[1]), m_z(coord[2])
  {
  }

  constexpr void SetCoord(double x, double y, double z) noexcept
  {
    m_x = x;
    m_y = y;
    m_z = z;
  }
  constexpr void SetCoord(const double coord[3]) noexcept { SetCoord(coord[0], coord[1], coord[2]); }
  constexpr void GetCoord(double& x, double& y, double& z) const noexcept
  {
    x = m_x;
    y = m_y;
    z = m_z;
  }
  constexpr void GetCoord(double coord[3]) const noexcept { GetCoord(coord[0], coord[1], coord[2]); }
  constexpr double GetX() const noexcept { return m_x; }
  constexpr double GetY() const noexcept { return m_y; }
  constexpr double GetZ() const noexcept { return m_z; }

  double DistanceTo(const ZALMathPoint& other) const noexcept;

  constexpr ZALMathPoint& operator+=(const ZALMathVector& shift) noexcept
  {
    m_x += shift.GetX();
    m_y += shift.GetY();
    m_z += shift.GetZ();
    return *this;
  }
  constexpr ZALMathPoint& operator-=(const ZALMathVector& shift) noexcept
  {
    m_x -= shift.GetX();
    m_y -= shift.GetY();
    m_z -= shift.GetZ();
    return *this;
  }

  /// Exact, component by component.
  friend constexpr bool operator==(const ZALMathPoint&, const ZALMathPoint&) noexcept = default;

private:
  double m_x = 0.0;
  double m_y = 0.0;
  double m_z = 0.0;
};

/// The vector from `from` to `to`.
constexpr ZALMathVector operator-(const ZALMathPoint& to, const ZALMathPoint& from) noexcept
{
  return {to.GetX() - from.GetX(), to.GetY() - from.GetY(), to.GetZ() - from.GetZ()};
}
constexpr ZALMathPoint operator+(ZALMathPoint point, const ZALMathVector& shift) noexcept
{
  return point += shift;
}
constexpr ZALMathPoint operator-(ZALMathPoint point, const ZALMathVector& shift) noexcept
{
  return point -= shift;
}
