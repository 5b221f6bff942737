#pragma once
#include <ZALMathPoint.h>
#include <ZALMathPoint2D.h>
#include <ZALMathVector.h>
#include <ZALMathVector2D.h>

#include <gtest/gtest.h>

#include <cmath>

// Component-wise closeness of two coordinate triples or pairs, with both
// values in the failure message.
template <typename T>
::testing::AssertionResult Near(const T& actual, const T& expected, double tolerance = 1e-12)
{
  double a[3] = {0.0, 0.0, 0.0};
  double e[3] = {0.0, 0.0, 0.0};
  actual.GetCoord(a);
  expected.GetCoord(e);
  for (int i = 0; i < 3; ++i)
    if (!(std::abs(a[i] - e[i]) <= tolerance))
      return ::testing::AssertionFailure() << "(" << a[0] << ", " << a[1] << ", " << a[2] << ") differs from ("
                                           << e[0] << ", " << e[1] << ", " << e[2] << ") at " << i;
  return ::testing::AssertionSuccess();
}
