#include "ZALMathLine2D.h"

void ZALMathLine2D::SetOrigin(const ZALMathPoint2D& origin) noexcept
{
  m_origin = origin;
}

void ZALMathLine2D::SetDirection(const ZALMathVector2D& direction) noexcept
{
  m_direction = direction;
}
