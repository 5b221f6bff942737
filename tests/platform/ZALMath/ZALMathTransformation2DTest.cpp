#include <ZALMathTransformation2D.h>

#include "ZALMathNear.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ZALMathTransformation2D Make(ZALMathVector2D first, ZALMathVector2D second, ZALMathVector2D shift = {})
{
  return ZALMathTransformation2D(ZALMath2x2Matrix(first, second), shift);
}

ZALMathTransformation2D Placement(double angle, double x, double y)
{
  return Make({std::cos(angle), std::sin(angle)}, {-std::sin(angle), std::cos(angle)}, {x, y});
}

}  // namespace

TEST(MathTransformation2D, ComposesRightToLeftAndInverts)
{
  const ZALMathTransformation2D turn = Make({0.0, 1.0}, {-1.0, 0.0});
  const ZALMathTransformation2D general = Make({2.0, 1.0}, {-0.5, 3.0}, {40.0, -7.0});
  const ZALMathPoint2D p(3.0, -8.0);
  EXPECT_EQ(ZALMathPoint2D(0.0, 1.0), (turn * Placement(0.0, 1.0, 0.0)) * ZALMathPoint2D());
  EXPECT_EQ(ZALMathVector2D(0.0, 1.0), (Placement(0.0, 1.0, 0.0) * turn) * ZALMathVector2D(1.0, 0.0));

  ZALMathTransformation2D inverse;
  ASSERT_TRUE(general.Inverse(inverse));
  EXPECT_TRUE(Near(p, inverse * (general * p)));

  inverse = general;
  const ZALMathTransformation2D flat = Make({1.0, 2.0}, {-2.0, -4.0});
  EXPECT_FALSE(flat.Inverse(inverse));
  EXPECT_EQ(general, inverse);
}

TEST(MathTransformation2D, RecognisesSimilitudesAndScalings)
{
  EXPECT_TRUE(Make({1.2, 1.6}, {-1.6, 1.2}, {5.0, 6.0}).IsSimilitude());  // scaled rotation
  EXPECT_FALSE(Make({2.0, 0.0}, {0.0, 3.0}).IsSimilitude());             // uneven scaling
  EXPECT_FALSE(Make({1.0, 0.0}, {0.5, 1.0}).IsSimilitude());             // shear

  // a homothety of ratio 2 about (1, 1): x -> 2x - (1, 1)
  ZALMathPoint2D centre;
  double ratio = 0.0;
  ASSERT_TRUE(Make({2.0, 0.0}, {0.0, 2.0}, {-1.0, -1.0}).IsScaling(centre, ratio));
  EXPECT_EQ(2.0, ratio);
  EXPECT_EQ(ZALMathPoint2D(1.0, 1.0), centre);

  // rotations and pure translations have no scaling centre, and the outputs are reset
  EXPECT_FALSE(Placement(0.3, 0.0, 0.0).IsScaling(centre, ratio));
  EXPECT_EQ(ZALMathPoint2D(), centre);
  EXPECT_EQ(0.0, ratio);
  EXPECT_FALSE(Placement(0.0, 2.0, 0.0).IsScaling(centre, ratio));

  // a placement composed with its own inverse reads as the identity: the
  // rounding left on the unit ratio is dropped, so the ratio is exactly 1
  const double justAbove = std::nextafter(1.0, 2.0);
  ASSERT_TRUE(Make({justAbove, 0.0}, {0.0, justAbove}).IsScaling(centre, ratio));
  EXPECT_EQ(1.0, ratio);
  const ZALMathTransformation2D placement = Placement(1.4, 1234.5, -678.25);
  const ZALMathTransformation2D delta = placement * placement.Inverse();
  ASSERT_TRUE(delta.IsScaling(centre, ratio));
  EXPECT_EQ(1.0, ratio);
}
