#pragma once
#include "ZALMathVector2D.h"

/// A 2×2 matrix held by its two columns; the identity by default. Applied to
/// a vector v it gives v.x·first + v.y·second.
class ZALMath2x2Matrix {
public:
  constexpr ZALMath2x2Matrix() noexcept = default;
  constexpr ZALMath2x2Matrix(const ZALMathVector2D& first, const ZALMathVector2D& second) noexcept
    : m_first(first), m_second(second)
  {
  }

  constexpr void SetFirstColumn(const ZALMathVector2D& column) noexcept { m_first = column; }
  constexpr ZALMathVector2D GetFirstColumn() const noexcept { return m_first; }
  constexpr void SetSecondColumn(const ZALMathVector2D& column) noexcept { m_second = column; }
  constexpr ZALMathVector2D GetSecondColumn() const noexcept { return m_second; }

  constexpr double Determinant() const noexcept { return m_first.Cross(m_second); }
  constexpr ZALMath2x2Matrix Transposed() const noexcept
  {
    return {{m_first.GetX(), m_second.GetX()}, {m_first.GetY(), m_second.GetY()}};
  }
  /// False when the columns are linearly dependent, to within a relative
  /// tolerance of the determinant against the product of the column lengths.
  bool IsInvertible() const noexcept;
  /// True: `inverse` holds the inverse. False: the matrix is singular and
  /// `inverse` is unchanged.
  bool Inverse(ZALMath2x2Matrix& inverse) const noexcept;

  /// Exact, coefficient by coefficient.
  friend constexpr bool operator==(const ZALMath2x2Matrix&, const ZALMath2x2Matrix&) noexcept = default;

private:
  ZALMathVector2D m_first{1.0, 0.0};
  ZALMathVector2D m_second{0.0, 1.0};
};

constexpr ZALMathVector2D operator*(const ZALMath2x2Matrix& matrix, const ZALMathVector2D& vector) noexcept
{
  return vector.GetX() * matrix.GetFirstColumn() + vector.GetY() * matrix.GetSecondColumn();
}

/// (left × right) applied to v equals left applied to (right applied to v).
constexpr ZALMath2x2Matrix operator*(const ZALMath2x2Matrix& left, const ZALMath2x2Matrix& right) noexcept
{
  return {left * right.GetFirstColumn(), left * right.GetSecondColumn()};
}
