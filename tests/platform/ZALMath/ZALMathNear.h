#pragma once
#include <gtest/gtest.h>

#include <cmath>

// Component-wise closeness of two points or vectors (3D or 2D, through
// GetCoord), with both values in the failure message.
template <typename T>
::testing::AssertionResult Near(const T& actual, const T& expected, double tolerance = 1e-12)
{
  double a[3] = {};
  double e[3] = {};
  actual.GetCoord(a);
  expected.GetCoord(e);
  for (int i = 0; i < 3; ++i)
    if (!(std::abs(a[i] - e[i]) <= tolerance))
      return ::testing::AssertionFailure() << "coordinate " << i << " is " << a[i] << ", not " << e[i];
  return ::testing::AssertionSuccess();
}
