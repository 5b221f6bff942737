#pragma once
#include "ZALMathVector.h"

/// A 3×3 matrix held by its three columns; the identity by default. Applied
/// to a vector v it gives v.x·first + v.y·second + v.z·third.
class ZALMath3x3Matrix {
public:
  constexpr ZALMath3x3Matrix() noexcept = default;
  constexpr ZALMath3x3Matrix(const ZALMathVector& first, const ZALMathVector& second,
                             const ZALMathVector& third) noexcept
    : m_first(first), m_second(second), m_third(third)
  {
  }

  constexpr void SetFirstColumn(const ZALMathVector& column) noexcept { m_first = column; }
  constexpr ZALMathVector GetFirstColumn() const noexcept { return m_first; }
  constexpr void SetSecondColumn(const ZALMathVector& column) noexcept { m_second = column; }
  constexpr ZALMathVector GetSecondColumn() const noexcept { return m_second; }
  constexpr void SetThirdColumn(const ZALMathVector& column) noexcept { m_third = column; }
  constexpr ZALMathVector GetThirdColumn() const noexcept { return m_third; }

  constexpr double Determinant() const noexcept { return m_first.Dot(m_second.Cross(m_third)); }
  constexpr ZALMath3x3Matrix Transposed() const noexcept
  {
    return {{m_first.GetX(), m_second.GetX(), m_third.GetX()},
            {m_first.GetY(), m_second.GetY(), m_third.GetY()},
            {m_first.GetZ(), m_second.GetZ(), m_third.GetZ()}};
  }
  /// False when the columns are linearly dependent, to within a relative
  /// tolerance of the determinant against the product of the column lengths.
  bool IsInvertible() const noexcept;
  /// True: `inverse` holds the inverse. False: the matrix is singular and
  /// `inverse` is unchanged.
  bool Inverse(ZALMath3x3Matrix& inverse) const noexcept;

  /// Exact, coefficient by coefficient.
  friend constexpr bool operator==(const ZALMath3x3Matrix&, const ZALMath3x3Matrix&) noexcept = default;

private:
  ZALMathVector m_first{1.0, 0.0, 0.0};
  ZALMathVector m_second{0.0, 1.0, 0.0};
  ZALMathVector m_third{0.0, 0.0, 1.0};
};

constexpr ZALMathVector operator*(const ZALMath3x3Matrix& matrix, const ZALMathVector& vector) noexcept
{
  return vector.GetX() * matrix.GetFirstColumn() + vector.GetY() * matrix.GetSecondColumn() +
         vector.GetZ() * matrix.GetThirdColumn();
}

/// (left × right) applied to v equals left applied to (right applied to v).
constexpr ZALMath3x3Matrix operator*(const ZALMath3x3Matrix& left, const ZALMath3x3Matrix& right) noexcept
{
  return {left * right.GetFirstColumn(), left * right.GetSecondColumn(), left * right.GetThirdColumn()};
}
