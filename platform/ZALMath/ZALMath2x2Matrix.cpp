#include "ZALMath2x2Matrix.h"

#include "ZALMathTolerance.h"

#include <cmath>

bool ZALMath2x2Matrix::IsInvertible() const noexcept
{
  const double determinant = Determinant();
  const double scale = m_first.Norm() * m_second.Norm();
  return determinant != 0.0 && std::abs(determinant) > kZALMathRelativeTolerance * scale;
}

bool ZALMath2x2Matrix::Inverse(ZALMath2x2Matrix& inverse) const noexcept
{
  if (!IsInvertible()) return false;
  const double factor = 1.0 / Determinant();
  inverse = ZALMath2x2Matrix({m_second.GetY() * factor, -m_first.GetY() * factor},
                             {-m_second.GetX() * factor, m_first.GetX() * factor});
  return true;
}
