#include "ZALMathTransformation2D.h"

#include "ZALMathTolerance.h"

#include <algorithm>
#include <cmath>

bool ZALMathTransformation2D::Inverse(ZALMathTransformation2D& inverse) const noexcept
{
  ZALMath2x2Matrix matrix;
  if (!m_matrix.Inverse(matrix)) return false;
  inverse = ZALMathTransformation2D(matrix, -(matrix * m_vector));
  return true;
}

ZALMathTransformation2D ZALMathTransformation2D::Inverse() const noexcept
{
  ZALMathTransformation2D inverse;
  Inverse(inverse);
  return inverse;
}

bool ZALMathTransformation2D::IsSimilitude() const noexcept
{
  const ZALMathVector2D first = m_matrix.GetFirstColumn();
  const ZALMathVector2D second = m_matrix.GetSecondColumn();
  const double firstLength = first.Norm();
  const double secondLength = second.Norm();
  if (firstLength == 0.0 || secondLength == 0.0) return false;
  return std::abs(first.Dot(second)) <= kZALMathRelativeTolerance * firstLength * secondLength &&
         std::abs(firstLength - secondLength) <= kZALMathRelativeTolerance * std::max(firstLength, secondLength);
}

bool ZALMathTransformation2D::IsScaling(ZALMathPoint2D& centre, double& ratio) const noexcept
{
  centre = ZALMathPoint2D();
  ratio = 0.0;
  const ZALMathVector2D first = m_matrix.GetFirstColumn();
  const ZALMathVector2D second = m_matrix.GetSecondColumn();
  const double factor = (first.GetX() + second.GetY()) / 2.0;
  const double tolerance = kZALMathRelativeTolerance * std::abs(factor);
  if (factor == 0.0 || std::abs(first.GetX() - second.GetY()) > tolerance || std::abs(first.GetY()) > tolerance ||
      std::abs(second.GetX()) > tolerance)
    return false;

  // A unit factor is snapped to exactly 1 so that a placement composed with
  // its own inverse reads as the identity; it has no single fixed point
  // unless the translation vanishes too.
  if (std::abs(factor - 1.0) <= kZALMathRelativeTolerance) {
    if (m_vector.Norm() > kZALMathLengthTolerance) return false;
    ratio = 1.0;
    return true;
  }
  // The fixed point c solves factor·c + vector = c.
  const ZALMathVector2D fixed = m_vector * (1.0 / (1.0 - factor));
  centre = ZALMathPoint2D(fixed.GetX(), fixed.GetY());
  ratio = factor;
  return true;
}
