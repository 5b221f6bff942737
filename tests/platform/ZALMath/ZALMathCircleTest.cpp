#include <ZALMathCircle.h>
#include <ZALMathDirection.h>
#include <ZALMathPlane.h>

#include "ZALMathNear.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(MathPlane, DirectionsFormADirectOrthonormalFrameAboutTheNormal)
{
  const ZALMathVector normals[] = {{0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, {0.0, -3.0, 0.0}, {1.0, 2.0, -2.0},
                                   {1e-3, 1.0, 1e-3}};
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
  EXPECT_EQ(ZALMathPlane(), ZALMathPlane({0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}));
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
  EXPECT_EQ(ZALMathVector(0.0, 0.0, 1.0), circle.GetNormal());
  EXPECT_EQ(ZALMathPoint(1.0, 2.0, 3.0), circle.GetCenter());
  EXPECT_EQ(3.0, circle.GetRadius());

  // the reference numbers turn the reference direction within the plane
  ASSERT_EQ(S_OK, circle.Set({}, {2.0, 0.0, 0.0}, {1.0, 1.0, 0.0}, 3.0, 0.0, 2.0));
  circle.GetDirections(first, second);
  EXPECT_TRUE(Near(ZALMathVector(0.0, 1.0, 0.0), first));
  EXPECT_TRUE(Near(ZALMathVector(-1.0, 0.0, 0.0), second));

  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Bad {
    const char* name;
    ZALMathVector first, second;
    double radius, cosine, sine;
  };
  const Bad bad[] = {
    {"zero radius", {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, 0.0, 1.0, 0.0},
    {"negative radius", {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, -1.0, 1.0, 0.0},
    {"NaN radius", {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, nan, 1.0, 0.0},
    {"parallel", {1.0, 0.0, 0.0}, {-2.0, 0.0, 0.0}, 1.0, 1.0, 0.0},
    {"zero direction", {0.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, 1.0, 1.0, 0.0},
    {"no reference angle", {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, 1.0, 0.0, 0.0},
  };
  const ZALMathCircle before = circle;
  for (const Bad& b : bad) {
    EXPECT_EQ(E_FAIL, circle.Set({5.0, 5.0, 5.0}, b.first, b.second, b.radius, b.cosine, b.sine)) << b.name;
    EXPECT_EQ(before, circle) << b.name;
  }
}

TEST(MathCircle, RebuiltFromCentreNormalAndRadiusKeepsThem)
{
  // what a stored circle keeps: centre, normal first × second, radius
  ZALMathCircle original;
  ASSERT_EQ(S_OK, original.Set({4.0, -1.0, 2.0}, {1.0, 1.0, 0.0}, {0.0, 1.0, 1.0}, 2.5, 1.0, 0.0));
  const ZALMathVector normal = original.GetNormal();

  const ZALMathPlane plane(original.GetCenter(), normal);
  ZALMathVector first;
  ZALMathVector second;
  plane.GetDirections(first, second);
  ZALMathCircle rebuilt;
  ASSERT_EQ(S_OK, rebuilt.Set(original.GetCenter(), first, second, original.GetRadius(), 1.0, 0.0));

  EXPECT_EQ(original.GetCenter(), rebuilt.GetCenter());
  EXPECT_EQ(original.GetRadius(), rebuilt.GetRadius());
  EXPECT_TRUE(Near(normal, rebuilt.GetNormal(), 1e-15));
  ZALMathVector rebuiltFirst;
  ZALMathVector rebuiltSecond;
  rebuilt.GetDirections(rebuiltFirst, rebuiltSecond);
  EXPECT_TRUE(Near(first, rebuiltFirst, 1e-15));  // the plane's directions replace the old reference
}
