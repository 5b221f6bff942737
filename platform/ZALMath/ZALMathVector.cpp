#include "ZALMathVector.h"

#include <cmath>

double ZALMathVector::Norm() const noexcept
{
  return std::hypot(m_x, m_y, m_z);
}

HRESULT ZALMathVector::Normalize() noexcept
{
  if (m_x == 0.0 && m_y == 0.0 && m_z == 0.0) return E_FAIL;
  const double length = Norm();
  m_x /= length;
  m_y /= length;
  m_z /= length;
  return S_OK;
}
