#include "ZALMathPlane.h"

#include "ZALMathDirection.h"

#include <cmath>

ZALMathPlane::ZALMathPlane(const ZALMathPoint& origin, const ZALMathVector& normal) noexcept
  : m_origin(origin), m_normal(ZALMathDirection(normal))
{
  // The canonical axis least aligned with the normal keeps the projection far
  // from zero, so the in-plane directions are well conditioned.
  const double x = std::abs(m_normal.GetX());
  const double y = std::abs(m_normal.GetY());
  const double z = std::abs(m_normal.GetZ());
  ZALMathVector axis(0.0, 0.0, 1.0);
  if (x <= y && x <= z)
    axis = ZALMathVector(1.0, 0.0, 0.0);
  else if (y <= z)
    axis = ZALMathVector(0.0, 1.0, 0.0);

  m_first = axis - m_normal.Dot(axis) * m_normal;
  m_first.Normalize();
  m_second = m_normal.Cross(m_first);
}

void ZALMathPlane::GetDirections(ZALMathVector& first, ZALMathVector& second) const noexcept
{
  first = m_first;
  second = m_second;
}
