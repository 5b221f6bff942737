#pragma once
#include <ZALStatus.h>

/// A free vector of the plane: two doubles, a plain value.
class ZALMathVector2D {
public:
  constexpr ZALMathVector2D() noexcept = default;
  constexpr ZALMathVector2D(double x, double y) noexcept : m_x(x), m_y(y) {}
  constexpr explicit ZALMathVector2D(const double coord[2]) noexcept : m_x(coord[0]), m_y(coord[1]) {}

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

  constexpr double SquareNorm() const noexcept { return m_x * m_x + m_y * m_y; }
  /// Euclidean length, without overflow or underflow of the squares.
  double Norm() const noexcept;
  constexpr double Dot(const ZALMathVector2D& other) const noexcept { return m_x * other.m_x + m_y * other.m_y; }
  /// The z component of this × other: positive when `other` lies counter-clockwise.
  constexpr double Cross(const ZALMathVector2D& other) const noexcept { return m_x * other.m_y - m_y * other.m_x; }
  /// Divides the vector by its length. S_OK: done. E_FAIL: the zero vector,
  /// which stays as it is.
  HRESULT Normalize() noexcept;

  constexpr ZALMathVector2D& operator+=(const ZALMathVector2D& other) noexcept
  {
    m_x += other.m_x;
    m_y += other.m_y;
    return *this;
  }
  constexpr ZALMathVector2D& operator-=(const ZALMathVector2D& other) noexcept
  {
    m_x -= other.m_x;
    m_y -= other.m_y;
    return *this;
  }
  constexpr ZALMathVector2D& operator*=(double factor) noexcept
  {
    m_x *= factor;
    m_y *= factor;
    return *this;
  }

  /// Exact, component by component.
  friend constexpr bool operator==(const ZALMathVector2D&, const ZALMathVector2D&) noexcept = default;

private:
  double m_x = 0.0;
  double m_y = 0.0;
};

constexpr ZALMathVector2D operator+(ZALMathVector2D left, const ZALMathVector2D& right) noexcept
{
  return left += right;
}
constexpr ZALMathVector2D operator-(ZALMathVector2D left, const ZALMathVector2D& right) noexcept
{
  return left -= right;
}
constexpr ZALMathVector2D operator-(const ZALMathVector2D& vector) noexcept
{
  return {-vector.GetX(), -vector.GetY()};
}
constexpr ZALMathVector2D operator*(ZALMathVector2D vector, double factor) noexcept
{
  return vector *= factor;
}
constexpr ZALMathVector2D operator*(double factor, ZALMathVector2D vector) noexcept
{
  return vector *= factor;
}
