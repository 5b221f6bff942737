#include "ZALMathTransformation.h"

#include "ZALMathTolerance.h"

#include <cmath>

namespace {

constexpr int kCoefficientCount = 12;

bool IsNear(const ZALMathVector& actual, const ZALMathVector& expected, double tolerance)
{
  return std::abs(actual.GetX() - expected.GetX()) <= tolerance &&
         std::abs(actual.GetY() - expected.GetY()) <= tolerance &&
         std::abs(actual.GetZ() - expected.GetZ()) <= tolerance;
}

}  // namespace

bool ZALMathTransformation::Inverse(ZALMathTransformation& inverse) const noexcept
{
  ZALMath3x3Matrix matrix;
  if (!m_matrix.Inverse(matrix)) return false;
  inverse = ZALMathTransformation(matrix, -(matrix * m_vector));
  return true;
}

ZALMathTransformation ZALMathTransformation::Inverse() const noexcept
{
  ZALMathTransformation inverse;
  Inverse(inverse);
  return inverse;
}

HRESULT ZALMathTransformation::ComputeInverse(ZALMathTransformation& inverse) const noexcept
{
  return Inverse(inverse) ? S_OK : E_FAIL;
}

bool ZALMathTransformation::IsIdentity() const noexcept
{
  const ZALMath3x3Matrix identity;
  return IsNear(m_matrix.GetFirstColumn(), identity.GetFirstColumn(), kZALMathRelativeTolerance) &&
         IsNear(m_matrix.GetSecondColumn(), identity.GetSecondColumn(), kZALMathRelativeTolerance) &&
         IsNear(m_matrix.GetThirdColumn(), identity.GetThirdColumn(), kZALMathRelativeTolerance) &&
         IsNear(m_vector, ZALMathVector(), kZALMathLengthTolerance);
}

HRESULT ZALMathTransformation::GetCoef(double* coefficients, int count) const noexcept
{
  if (!coefficients || count < kCoefficientCount) return E_FAIL;
  m_matrix.GetFirstColumn().GetCoord(coefficients);
  m_matrix.GetSecondColumn().GetCoord(coefficients + 3);
  m_matrix.GetThirdColumn().GetCoord(coefficients + 6);
  m_vector.GetCoord(coefficients + 9);
  return S_OK;
}

HRESULT ZALMathTransformation::SetCoef(const double* coefficients, int count) noexcept
{
  if (!coefficients || count < kCoefficientCount) return E_FAIL;
  m_matrix = ZALMath3x3Matrix(ZALMathVector(coefficients), ZALMathVector(coefficients + 3),
                              ZALMathVector(coefficients + 6));
  m_vector = ZALMathVector(coefficients + 9);
  return S_OK;
}

HRESULT ZALMathTransformation::SetFromAxisToOIJK(const ZALMathAxis& axis) noexcept
{
  const ZALMath3x3Matrix matrix(axis.GetFirstDirection(), axis.GetSecondDirection(), axis.GetThirdDirection());
  if (!matrix.IsInvertible()) return E_FAIL;
  m_matrix = matrix;
  m_vector = axis.GetOrigin() - ZALMathPoint();
  return S_OK;
}
