#include "ZALMathDirection.h"

void ZALMathDirection::SetVector(const ZALMathVector& vector) noexcept
{
  // A vector already of unit length is kept bit for bit: dividing by a length
  // computed as 1 +/- 1 ulp would move it.
  m_vector = vector;
  if (vector.SquareNorm() == 1.0) return;
  if (FAILED(m_vector.Normalize())) m_vector = ZALMathVector(1.0, 0.0, 0.0);
}
