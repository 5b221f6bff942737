#pragma once
#include <ZALStatus.h>

/// A free vector of space: three doubles, a plain value.
class ZALMathVector {
public:
  constexpr ZALMathVector() noexcept = default;
  constexpr ZALMathVector(double x, double y, double z) noexcept : m_x(x), m_y(y), m_z(z) {}
  constexpr explicit ZALMathVector(const double coord[3]) noexcept
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

  constexpr double SquareNorm() const noexcept { return m_x * m_x + m_y * m_y + m_z * m_z; }
  /// Euclidean length, without overflow or underflow of the squares.
  double Norm() const noexcept;
  constexpr double Dot(const ZALMathVector& other) const noexcept
  {
    return m_x * other.m_x + m_y * other.m_y + m_z * other.m_z;
  }
  /// this × other (right-handed).
  constexpr ZALMathVector Cross(const ZALMathVector& other) const noexcept
  {
    return {m_y * other.m_z - m_z * other.m_y, m_z * other.m_x - m_x * other.m_z,
            m_x * other.m_y - m_y * other.m_x};
  }
  /// Divides the vector by its length. S_OK: done. E_FAIL: the zero vector,
  /// which stays as it is.
  HRESULT Normalize() noexcept;

  constexpr ZALMathVector& operator+=(const ZALMathVector& other) noexcept
  {
    m_x += other.m_x;
    m_y += other.m_y;
    m_z += other.m_z;
    return *this;
  }
  constexpr ZALMathVector& operator-=(const ZALMathVector& other) noexcept
  {
    m_x -= other.m_x;
    m_y -= other.m_y;
    m_z -= other.m_z;
    return *this;
  }
  constexpr ZALMathVector& operator*=(double factor) noexcept
  {
    m_x *= factor;
    m_y *= factor;
    m_z *= factor;
    return *this;
  }

  /// Exact, component by component.
  friend constexpr bool operator==(const ZALMathVector&, const ZALMathVector&) noexcept = default;

private:
  double m_x = 0.0;
  double m_y = 0.0;
  double m_z = 0.0;
};

// Free functions rather than hidden friends, so that a ZALMathDirection, which
// converts to a vector, takes part in the same arithmetic.
constexpr ZALMathVector operator+(ZALMathVector left, const ZALMathVector& right) noexcept
{
  return left += right;
}
constexpr ZALMathVector operator-(ZALMathVector left, const ZALMathVector& right) noexcept
{
  return left -= right;
}
constexpr ZALMathVector operator-(const ZALMathVector& vector) noexcept
{
  return {-vector.GetX(), -vector.GetY(), -vector.GetZ()};
}
constexpr ZALMathVector operator*(ZALMathVector vector, double factor) noexcept
{
  return vector *= factor;
}
constexpr ZALMathVector operator*(double factor, ZALMathVector vector) noexcept
{
  return vector *= factor;
}
