#include <ZALMathDirection.h>
#include <ZALMathPoint.h>
#include <ZALMathVector.h>

#include "ZALMathNear.h"

#include <gtest/gtest.h>

#include <utility>

TEST(MathVector, PointAndVectorArithmetic)
{
  const ZALMathPoint from(1.0, 2.0, 3.0);
  const ZALMathPoint to(4.0, 6.0, 3.0);
  EXPECT_EQ(ZALMathVector(3.0, 4.0, 0.0), to - from);
  EXPECT_EQ(to, from + (to - from));
  EXPECT_EQ(ZALMathVector(-3.0, 6.0, -3.0), ZALMathVector(1.0, 2.0, 3.0).Cross({4.0, 5.0, 6.0}));
  EXPECT_EQ(32.0, ZALMathVector(1.0, 2.0, 3.0).Dot({4.0, 5.0, 6.0}));
  // equality is exact: the smallest change counts
  EXPECT_NE(ZALMathVector(0.1 + 0.2, 0.0, 0.0), ZALMathVector(0.3, 0.0, 0.0));

  ZALMathVector zero;
  EXPECT_EQ(E_FAIL, zero.Normalize());
  EXPECT_EQ(ZALMathVector(), zero);
}

TEST(MathDirection, NormalisesEveryVectorButKeepsExactUnitOnes)
{
  // squared length exactly 1 although the computed length is 1 - 1 ulp:
  // dividing would move it, so it must be kept bit for bit
  const ZALMathVector unit(0.43074276301332171, -0.37013795879120676, -0.82307871043632774);
  ASSERT_EQ(1.0, unit.SquareNorm());
  EXPECT_EQ(unit, ZALMathVector(ZALMathDirection(unit)));

  const std::pair<ZALMathVector, ZALMathVector> cases[] = {
    {{3.0, 4.0, 0.0}, {0.6, 0.8, 0.0}},
    {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}},      // the default direction
    {{1e-200, 0.0, 0.0}, {1.0, 0.0, 0.0}},   // squares underflow
    {{0.0, -1e200, 0.0}, {0.0, -1.0, 0.0}},  // squares overflow
  };
  for (const auto& [vector, expected] : cases)
    EXPECT_TRUE(Near(ZALMathVector(ZALMathDirection(vector)), expected, 1e-16))
      << "from (" << vector.GetX() << ", " << vector.GetY() << ", " << vector.GetZ() << ")";
}
