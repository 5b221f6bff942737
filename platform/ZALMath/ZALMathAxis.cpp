#include "ZALMathAxis.h"

void ZALMathAxis::SetOrigin(const ZALMathPoint& origin) noexcept
{
  m_origin = origin;
}

void ZALMathAxis::SetDirections(const ZALMathVector& first, const ZALMathVector& second,
                                const ZALMathVector& third) noexcept
{
  m_first = first;
  m_second = second;
  m_third = third;
}

void ZALMathAxis::GetDirections(ZALMathVector& first, ZALMathVector& second, ZALMathVector& third) const noexcept
{
  first = m_first;
  second = m_second;
  third = m_third;
}
