#pragma once
#include "ZALMath2x2Matrix.h"
#include "ZALMathAxis2D.h"
#include "ZALMathPoint2D.h"
#include "ZALMathVector2D.h"

/// An affine transformation of the plane: x ↦ matrix·x + vector. The identity
/// by default. Composition reads right to left: (A × B) applied to x equals A
/// applied to (B applied to x).
class ZALMathTransformation2D {
public:
  constexpr ZALMathTransformation2D() noexcept = default;
  constexpr explicit ZALMathTransformation2D(const ZALMath2x2Matrix& matrix,
                                             const ZALMathVector2D& vector = ZALMathVector2D()) noexcept
    : m_matrix(matrix), m_vector(vector)
  {
  }

  /// The linear part.
  constexpr void SetMatrix(const ZALMath2x2Matrix& matrix) noexcept { m_matrix = matrix; }
  constexpr ZALMath2x2Matrix GetMatrix() const noexcept { return m_matrix; }
  /// The translation part: the image of the origin.
  constexpr void SetVector(const ZALMathVector2D& vector) noexcept { m_vector = vector; }
  constexpr ZALMathVector2D GetVector() const noexcept { return m_vector; }

  /// True: `inverse` holds the inverse. False: the linear part is singular
  /// and `inverse` is unchanged.
  bool Inverse(ZALMathTransformation2D& inverse) const noexcept;
  /// The inverse, or the identity when the linear part is singular.
  ZALMathTransformation2D Inverse() const noexcept;

  /// True when the transformation keeps angles: the two columns of the linear
  /// part are orthogonal and of the same non-zero length (within a relative
  /// 1e-12). Rotations, uniform scalings and reflections all qualify.
  bool IsSimilitude() const noexcept;
  /// True when the transformation is a scaling about a fixed point: its linear
  /// part is ratio·identity with a non-zero ratio (within a relative 1e-12).
  /// Then `centre` is the fixed point and `ratio` the factor; a ratio within
  /// 1e-12 of 1 is given as exactly 1.0, and is a scaling only when the
  /// translation is also within 1e-10 of zero (the identity, centre (0, 0)).
  /// False: `centre` is (0, 0) and `ratio` 0.
  bool IsScaling(ZALMathPoint2D& centre, double& ratio) const noexcept;

  /// Exact, coefficient by coefficient.
  friend constexpr bool operator==(const ZALMathTransformation2D&, const ZALMathTransformation2D&) noexcept =
    default;

private:
  ZALMath2x2Matrix m_matrix;
  ZALMathVector2D m_vector;
};

constexpr ZALMathTransformation2D operator*(const ZALMathTransformation2D& left,
                                            const ZALMathTransformation2D& right) noexcept
{
  return ZALMathTransformation2D(left.GetMatrix() * right.GetMatrix(),
                                 left.GetMatrix() * right.GetVector() + left.GetVector());
}

/// The whole transformation.
constexpr ZALMathPoint2D operator*(const ZALMathTransformation2D& transformation,
                                   const ZALMathPoint2D& point) noexcept
{
  const ZALMathVector2D image =
    transformation.GetMatrix() * (point - ZALMathPoint2D()) + transformation.GetVector();
  return {image.GetX(), image.GetY()};
}

/// The linear part only: a vector has no position.
constexpr ZALMathVector2D operator*(const ZALMathTransformation2D& transformation,
                                    const ZALMathVector2D& vector) noexcept
{
  return transformation.GetMatrix() * vector;
}

/// The origin as a point, the directions as vectors.
constexpr ZALMathAxis2D operator*(const ZALMathTransformation2D& transformation, const ZALMathAxis2D& axis) noexcept
{
  return {transformation * axis.GetOrigin(), transformation * axis.GetFirstDirection(),
          transformation * axis.GetSecondDirection()};
}
