#pragma once
#include <ZALMPConstraint.h>

/// A concrete constraint with nothing of its own, to link geometries to.
class TestConstraint : public ZALMPConstraint {
  ZALMP_DECLARE_CLASS(TestConstraint, ZALMPConstraint);
  ZALMP_DECLARE_CONCRETE(TestConstraint);

protected:
  TestConstraint() = default;
  TestConstraint(const TestConstraint& source) : ZALMPConstraint(source) {}
};
