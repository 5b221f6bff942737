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
  const ZALMathTransformation2D shift = Make({1.0, 0.0}, {0.0, 1.0}, {1.0, 0.0});
  EXPECT_EQ(ZALMathPoint2D(0.0, 1.0), (turn * shift) * ZALMathPoint2D());
  EXPECT_EQ(ZALMathPoint2D(1.0, 0.0), (shift * turn) * ZALMathPoint2D());
  EXPECT_EQ(ZALMathVector2D(0.0, 1.0), (shift * turn) * ZALMathVector2D(1.0, 0.0));

  const ZALMathTransformation2D general = Make({2.0, 1.0}, {-0.5, 3.0}, {40.0, -7.0});
  ZALMathTransformation2D inverse;
  ASSERT_TRUE(general.Inverse(inverse));
  const ZALMathPoint2D p(3.0, -8.0);
  EXPECT_TRUE(Near(p, inverse * (general * p), 1e-12));
  EXPECT_TRUE(Near(p, general * (inverse * p), 1e-12));

  const ZALMathTransformation2D flat = Make({1.0, 2.0}, {-2.0, -4.0});
  inverse = general;
  EXPECT_FALSE(flat.Inverse(inverse));
  EXPECT_EQ(general, inverse);
  EXPECT_EQ(ZALMathTransformation2D(), flat.Inverse());
}

TEST(MathTransformation2D, RecognisesSimilitudesAndScalings)
{
  struct Case {
    const char* name;
    ZALMathTransformation2D transformation;
    bool similitude;
  };
  const Case cases[] = {
    {"identity", ZALMathTransformation2D(), true},
    {"scaled rotation", Make({1.2, 1.6}, {-1.6, 1.2}, {5.0, 6.0}), true},
    {"reflection", Make({1.0, 0.0}, {0.0, -1.0}), true},
    {"uneven scaling", Make({2.0, 0.0}, {0.0, 3.0}), false},
    {"shear", Make({1.0, 0.0}, {0.5, 1.0}), false},
    {"flat", Make({1.0, 0.0}, {0.0, 0.0}), false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.similitude, c.transformation.IsSimilitude()) << c.name;

  // a homothety of ratio 2 about (1, 1): x -> 2x - (1, 1)
  ZALMathPoint2D centre;
  double ratio = 0.0;
  ASSERT_TRUE(Make({2.0, 0.0}, {0.0, 2.0}, {-1.0, -1.0}).IsScaling(centre, ratio));
  EXPECT_EQ(2.0, ratio);
  EXPECT_EQ(ZALMathPoint2D(1.0, 1.0), centre);

  // rotations and pure translations have no scaling centre
  for (const ZALMathTransformation2D& t : {Placement(0.3, 0.0, 0.0), Placement(0.0, 2.0, 0.0)}) {
    centre = ZALMathPoint2D(9.0, 9.0);
    ratio = 9.0;
    EXPECT_FALSE(t.IsScaling(centre, ratio)) << "translation " << t.GetVector().GetX();
    EXPECT_EQ(ZALMathPoint2D(), centre);
    EXPECT_EQ(0.0, ratio);
  }

  // a placement composed with its own inverse reads as the identity: the
  // rounding left on the unit ratio is dropped, so the ratio is exactly 1
  const double justAbove = std::nextafter(1.0, 2.0);
  ASSERT_TRUE(Make({justAbove, 0.0}, {0.0, justAbove}).IsScaling(centre, ratio));
  EXPECT_EQ(1.0, ratio);
  for (const double angle : {0.7, 1.4, 1.6, 2.8}) {
    const ZALMathTransformation2D placement = Placement(angle, 1234.5, -678.25);
    const ZALMathTransformation2D delta = placement * placement.Inverse();
    EXPECT_TRUE(delta.IsSimilitude()) << "angle " << angle;
    EXPECT_TRUE(delta.IsScaling(centre, ratio)) << "angle " << angle;
    EXPECT_EQ(1.0, ratio) << "angle " << angle;
  }
}
