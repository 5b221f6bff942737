#include "ZALMathVector2D.h"

#include <cmath>

double ZALMathVector2D::Norm() const noexcept
{
  return std::hypot(m_x, m_y);
}

HRESULT ZALMathVector2D::Normalize() noexcept
{
  if (m_x == 0.0 && m_y == 0.0) return E_FAIL;
  const double length = Norm();
  m_x /= length;
  m_y /= length;
  return S_OK;
}
