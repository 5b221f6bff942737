#include "ZALWBEquation.h"

#include <cmath>

ZALWBEquation::ZALWBEquation(std::unique_ptr<ZALWBExpression> left, std::unique_ptr<ZALWBExpression> right)
    : m_left(std::move(left)), m_right(std::move(right))
{
}

std::unique_ptr<ZALWBEquation> ZALWBEquation::Make(std::unique_ptr<ZALWBExpression> left,
                                                   std::unique_ptr<ZALWBExpression> right)
{
  if (!left || !right) return nullptr;
  return std::make_unique<ZALWBEquation>(std::move(left), std::move(right));
}

bool ZALWBEquation::IsSameAs(const ZALWBEquation& other) const
{
  return m_left->IsSameAs(*other.m_left) && m_right->IsSameAs(*other.m_right);
}

HRESULT ZALWBEquation::EvaluateResidual(const ZALWBValues& values, double& residual) const
{
  residual = 0.0;
  double left = 0.0;
  double right = 0.0;
  if (FAILED(m_left->Evaluate(values, left)) || FAILED(m_right->Evaluate(values, right))) return E_FAIL;
  const double difference = left - right;
  if (!std::isfinite(difference)) return E_FAIL;
  residual = difference;
  return S_OK;
}

void ZALWBEquation::CollectVariableNodes(std::vector<ZALWBExpression*>& nodes)
{
  m_left->CollectVariableNodes(nodes);
  m_right->CollectVariableNodes(nodes);
}
