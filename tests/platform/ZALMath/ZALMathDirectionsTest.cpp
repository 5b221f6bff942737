// Unit directions, and the orthonormal frames of directions that planes and
// circles build.

#include <ZALMathCircle.h>
#include <ZALMathDirection.h>
#include <ZALMathPlane.h>
#include <ZALMathVector.h>

#include "ZALMathNear.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

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

  // a vector refuses to normalise to nothing, and equality is exact: the smallest change counts
  ZALMathVector zero;
  EXPECT_EQ(E_FAIL, zero.Normalize());
  EXPECT_EQ(ZALMathVector(), zero);
  EXPECT_NE(ZALMathVector(0.1 + 0.2, 0.0, 0.0), ZALMathVector(0.3, 0.0, 0.0));
}

TEST(MathPlane, DirectionsFormADirectOrthonormalFrameAboutTheNormal)
{
  // each normal makes the plane start from a different canonical axis
  for (const ZALMathVector& normal : {ZALMathVector(0.0, 0.0, 1.0), {1.0, 0.0, 0.0}, {2.0, 1.0, -0.5}}) {
    const ZALMathPlane plane({1.0, 2.0, 3.0}, normal);
    ZALMathVector first, second;
    plane.GetDirections(first, second);
    const ZALMathVector unit = ZALMathDirection(normal);
    const bool orthonormal = std::abs(first.Norm() - 1.0) <= 1e-15 && std::abs(first.Dot(unit)) <= 1e-15;
    EXPECT_TRUE(orthonormal && Near(unit, plane.GetNormal()) && Near(unit, first.Cross(second)))
      << "normal " << unit.GetX() << " " << unit.GetY() << " " << unit.GetZ();
  }
}

TEST(MathCircle, SetBuildsAnOrthonormalFrameAndRefusesBadInput)
{
  ZALMathCircle circle;
  ZALMathVector first, second;
  ASSERT_EQ(S_OK, circle.Set({1.0, 2.0, 3.0}, {2.0, 0.0, 0.0}, {1.0, 1.0, 0.0}, 3.0, 1.0, 0.0));
  circle.GetDirections(first, second);
  EXPECT_EQ(ZALMathVector(1.0, 0.0, 0.0), first);
  EXPECT_EQ(ZALMathVector(0.0, 1.0, 0.0), second);

  // the reference numbers turn the reference direction within the plane
  ASSERT_EQ(S_OK, circle.Set({}, {2.0, 0.0, 0.0}, {1.0, 1.0, 0.0}, 3.0, 0.0, 2.0));
  circle.GetDirections(first, second);
  EXPECT_TRUE(Near(ZALMathVector(0.0, 1.0, 0.0), first));

  // each refusal leaves the circle as it was: zero or no radius, parallel directions, no reference angle
  const ZALMathCircle before = circle;
  const ZALMathVector x(1.0, 0.0, 0.0), y(0.0, 1.0, 0.0);
  EXPECT_EQ(E_FAIL, circle.Set({5.0, 5.0, 5.0}, x, y, 0.0, 1.0, 0.0));
  EXPECT_EQ(E_FAIL, circle.Set({5.0, 5.0, 5.0}, x, y, std::numeric_limits<double>::quiet_NaN(), 1.0, 0.0));
  EXPECT_EQ(E_FAIL, circle.Set({5.0, 5.0, 5.0}, x, -2.0 * x, 1.0, 1.0, 0.0));
  EXPECT_EQ(E_FAIL, circle.Set({5.0, 5.0, 5.0}, x, y, 1.0, 0.0, 0.0));
  EXPECT_EQ(before, circle);
}
