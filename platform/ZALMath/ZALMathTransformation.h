#pragma once
#include "ZALMath3x3Matrix.h"
#include "ZALMathAxis.h"
#include "ZALMathPoint.h"
#include "ZALMathVector.h"

#include <ZALStatus.h>

/// An affine transformation of space: x ↦ matrix·x + vector. The identity by
/// default. Composition reads right to left: (A × B) applied to x equals A
/// applied to (B applied to x).
class ZALMathTransformation {
public:
  constexpr ZALMathTransformation() noexcept = default;
  constexpr explicit ZALMathTransformation(const ZALMath3x3Matrix& matrix,
                                           const ZALMathVector& vector = ZALMathVector()) noexcept
    : m_matrix(matrix), m_vector(vector)
  {
  }

  /// The linear (rotation) part.
  constexpr void SetMatrix(const ZALMath3x3Matrix& matrix) noexcept { m_matrix = matrix; }
  constexpr ZALMath3x3Matrix GetMatrix() const noexcept { return m_matrix; }
  /// The translation part: the image of the origin.
  constexpr void SetVector(const ZALMathVector& vector) noexcept { m_vector = vector; }
  constexpr ZALMathVector GetVector() const noexcept { return m_vector; }

  /// True: `inverse` holds the inverse. False: the linear part is singular
  /// and `inverse` is unchanged.
  bool Inverse(ZALMathTransformation& inverse) const noexcept;
  /// The inverse, or the identity when the linear part is singular.
  ZALMathTransformation Inverse() const noexcept;
  /// S_OK: `inverse` holds the inverse. E_FAIL: singular; `inverse` unchanged.
  HRESULT ComputeInverse(ZALMathTransformation& inverse) const noexcept;

  /// True when every linear coefficient is within 1e-12 of the identity's and
  /// every translation component within 1e-10 of zero, so that a placement
  /// composed with its own inverse counts as the identity.
  bool IsIdentity() const noexcept;

  /// Writes 12 coefficients: the first, second and third column of the linear
  /// part (the images of the unit axes), then the translation.
  /// S_OK: written. E_FAIL: `coefficients` is null or `count` is below 12;
  /// nothing is written.
  HRESULT GetCoef(double* coefficients, int count = 12) const noexcept;
  /// Reads 12 coefficients in the order that GetCoef writes them.
  /// S_OK: set. E_FAIL: `coefficients` is null or `count` is below 12;
  /// the transformation is unchanged.
  HRESULT SetCoef(const double* coefficients, int count = 12) noexcept;

  /// Makes this the transformation that carries the canonical frame onto
  /// `axis`: its linear columns are the axis directions and its translation is
  /// the axis origin. Applied to coordinates taken in the axis system it
  /// gives canonical coordinates, so a body placed with it sits on the axis.
  /// S_OK: set. E_FAIL: the directions are linearly dependent; unchanged.
  HRESULT SetFromAxisToOIJK(const ZALMathAxis& axis) noexcept;

  /// Exact, coefficient by coefficient.
  friend constexpr bool operator==(const ZALMathTransformation&, const ZALMathTransformation&) noexcept = default;

private:
  ZALMath3x3Matrix m_matrix;
  ZALMathVector m_vector;
};

constexpr ZALMathTransformation operator*(const ZALMathTransformation& left,
                                          const ZALMathTransformation& right) noexcept
{
  return ZALMathTransformation(left.GetMatrix() * right.GetMatrix(),
                               left.GetMatrix() * right.GetVector() + left.GetVector());
}

/// The whole transformation.
constexpr ZALMathPoint operator*(const ZALMathTransformation& transformation, const ZALMathPoint& point) noexcept
{
  const ZALMathVector image = transformation.GetMatrix() * (point - ZALMathPoint()) + transformation.GetVector();
  return {image.GetX(), image.GetY(), image.GetZ()};
}

/// The linear part only: a vector has no position.
constexpr ZALMathVector operator*(const ZALMathTransformation& transformation, const ZALMathVector& vector) noexcept
{
  return transformation.GetMatrix() * vector;
}

/// The origin as a point, the directions as vectors.
constexpr ZALMathAxis operator*(const ZALMathTransformation& transformation, const ZALMathAxis& axis) noexcept
{
  return {transformation * axis.GetOrigin(), transformation * axis.GetFirstDirection(),
          transformation * axis.GetSecondDirection(), transformation * axis.GetThirdDirection()};
}
