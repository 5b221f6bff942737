#include "ZALMath3x3Matrix.h"

#include "ZALMathTolerance.h"

#include <cmath>

bool ZALMath3x3Matrix::IsInvertible() const noexcept
{
  const double determinant = Determinant();
  const double scale = m_first.Norm() * m_second.Norm() * m_third.Norm();
  return determinant != 0.0 && std::abs(determinant) > kZALMathRelativeTolerance * scale;
}

bool ZALMath3x3Matrix::Inverse(ZALMath3x3Matrix& inverse) const noexcept
{
  if (!IsInvertible()) return false;
  // The rows of the inverse are the cross products of the other two columns
  // divided by the determinant.
  const double factor = 1.0 / Determinant();
  const ZALMath3x3Matrix rows(m_second.Cross(m_third) * factor, m_third.Cross(m_first) * factor,
                              m_first.Cross(m_second) * factor);
  inverse = rows.Transposed();
  return true;
}
