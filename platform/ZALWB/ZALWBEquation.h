#pragma once
#include "ZALWBExpression.h"

#include <memory>
#include <vector>

/// An equation `left = right` of two expression trees, which it owns.
class ZALWBEquation {
public:
  /// Both sides must be non-null; see Make.
  ZALWBEquation(std::unique_ptr<ZALWBExpression> left, std::unique_ptr<ZALWBExpression> right);
  /// Null when a side is null.
  static std::unique_ptr<ZALWBEquation> Make(std::unique_ptr<ZALWBExpression> left,
                                             std::unique_ptr<ZALWBExpression> right);
  ZALWBEquation(const ZALWBEquation&) = delete;
  ZALWBEquation& operator=(const ZALWBEquation&) = delete;

  const ZALWBExpression& GetLeft() const { return *m_left; }
  const ZALWBExpression& GetRight() const { return *m_right; }

  /// Both sides are the same trees.
  bool IsSameAs(const ZALWBEquation& other) const;

  /// S_OK and left - right, which is 0 where the equation holds. E_FAIL (residual 0)
  /// when either side cannot be evaluated (see ZALWBExpression::Evaluate).
  HRESULT EvaluateResidual(const ZALWBValues& values, double& residual) const;

  /// Appends the Variable nodes of the left side, then of the right side, in reading order.
  void CollectVariableNodes(std::vector<ZALWBExpression*>& nodes);

private:
  std::unique_ptr<ZALWBExpression> m_left;
  std::unique_ptr<ZALWBExpression> m_right;
};
