#include "ZALMathLine.h"

void ZALMathLine::SetOrigin(const ZALMathPoint& origin) noexcept
{
  m_origin = origin;
}

void ZALMathLine::SetDirection(const ZALMathVector& direction) noexcept
{
  m_direction = direction;
}
