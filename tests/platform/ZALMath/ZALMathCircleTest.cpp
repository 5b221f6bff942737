#include <ZALMathCircle.h>
#include <ZALMathDirection.h>
#include <ZALMathPlane.h>

#include "ZALMathNear.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(MathPlane, DirectionsFormADirectOrthonormalFrameAboutTheNormal)
{
  // each normal makes the plane start from a different canonical axis
  const ZALMathVector normals[] = {{0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, {2.0, 1.0, -0.5}};
  for (const ZALMathVector& normal : normals) {
    const ZALMathPlane plane({1.0, 2.0, 3.0}, normal);
    ZALMathVector first;
    ZALMathVector second;
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
  ASSERT_EQ(S_OK, circle.Set({1.0, 2.0, 3.0}, {2.0, 0.0, 0.0}, {1.0, 1.0, 0.0}, 3.0, 1.0, 0.0));
  ZALMathVector first;
  ZALMathVector second;
  circle.GetDirections(first, second);
  EXPECT_EQ(ZALMathVector(1.0, 0.0, 0.0), first);
  EXPECT_EQ(ZALMathVector(0.0, 1.0, 0.0), second);

  // the reference numbers turn the reference direction within the plane
  ASSERT_EQ(S_OK, circle.Set({}, {2.0, 0.0, 0.0}, {1.0, 1.0, 0.0}, 3.0, 0.0, 2.0));
  circle.GetDirections(first, second);
  EXPECT_TRUE(Near(ZALMathVector(0.0, 1.0, 0.0), first));

  // each refusal leaves the circle as it was
  const ZALMathCircle before = circle;
  const ZALMathVector x(1.0, 0.0, 0.0);
  const ZALMathVector y(0.0, 1.0, 0.0);
  EXPECT_EQ(E_FAIL, circle.Set({5.0, 5.0, 5.0}, x, y, 0.0, 1.0, 0.0));  // zero radius
  EXPECT_EQ(E_FAIL, circle.Set({5.0, 5.0, 5.0}, x, y, std::numeric_limits<double>::quiet_NaN(), 1.0, 0.0));
  EXPECT_EQ(E_FAIL, circle.Set({5.0, 5.0, 5.0}, x, -2.0 * x, 1.0, 1.0, 0.0));  // parallel directions
  EXPECT_EQ(E_FAIL, circle.Set({5.0, 5.0, 5.0}, x, y, 1.0, 0.0, 0.0));  // no reference angle
  EXPECT_EQ(before, circle);
}
