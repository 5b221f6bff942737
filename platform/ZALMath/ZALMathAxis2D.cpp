#include "ZALMathAxis2D.h"

void ZALMathAxis2D::SetOrigin(const ZALMathPoint2D& origin) noexcept
{
  m_origin = origin;
}

void ZALMathAxis2D::SetDirections(const ZALMathVector2D& first, const ZALMathVector2D& second) noexcept
{
  m_first = first;
  m_second = second;
}

void ZALMathAxis2D::GetDirections(ZALMathVector2D& first, ZALMathVector2D& second) const noexcept
{
  first = m_first;
  second = m_second;
}
