#include <ZALMathAxis.h>
#include <ZALMathTransformation.h>
#include <ZALMathTransformation2D.h>

#include "ZALMathNear.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Neither orthogonal nor symmetric, with a large translation.
const ZALMathTransformation kGeneral(ZALMath3x3Matrix({2.0, 1.0, 0.0}, {0.0, 1.0, 3.0}, {1.0, 0.0, 1.0}),
                                     {1000.0, -2000.0, 3000.0});

ZALMathTransformation2D Make(ZALMathVector2D first, ZALMathVector2D second, ZALMathVector2D shift = {})
{
  return ZALMathTransformation2D(ZALMath2x2Matrix(first, second), shift);
}

ZALMathTransformation2D Placement(double angle, double x, double y)
{
  return Make({std::cos(angle), std::sin(angle)}, {-std::sin(angle), std::cos(angle)}, {x, y});
}

}  // namespace

TEST(MathTransformation, ComposesRightToLeftAndMapsEachKindOfObject)
{
  const ZALMathTransformation turn(ZALMath3x3Matrix({0.0, 1.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 0.0, 1.0}));
  const ZALMathTransformation shift(ZALMath3x3Matrix(), {1.0, 0.0, 0.0});

  // (A × B)(x) = A(B(x))
  EXPECT_EQ(ZALMathPoint(0.0, 1.0, 0.0), (turn * shift) * ZALMathPoint());
  const ZALMathPoint p(0.3, -4.0, 7.5);
  EXPECT_TRUE(Near((kGeneral * turn) * p, kGeneral * (turn * p), 1e-9));

  // an axis maps its origin as a point and its directions by the linear part only
  EXPECT_EQ(ZALMathAxis({1.0, 1.0, 0.0}, {0.0, 1.0, 0.0}, {-2.0, 0.0, 0.0}, {0.0, 0.0, 3.0}),
            (shift * turn) * ZALMathAxis({1.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 2.0, 0.0}, {0.0, 0.0, 3.0}));
}

TEST(MathTransformation, InverseRoundTripsAndRefusesSingularMatrices)
{
  ZALMathTransformation inverse;
  ASSERT_TRUE(kGeneral.Inverse(inverse));
  EXPECT_TRUE((kGeneral * inverse).IsIdentity());

  // the singularity test is relative: a tiny but regular matrix inverts
  const double small = std::ldexp(1.0, -30);
  const ZALMathTransformation tiny(ZALMath3x3Matrix({small, 0.0, 0.0}, {0.0, small, 0.0}, {0.0, 0.0, small}));
  EXPECT_EQ(S_OK, tiny.ComputeInverse(inverse));
  EXPECT_EQ(ZALMathPoint(std::ldexp(1.0, 30), 0.0, 0.0), inverse * ZALMathPoint(1.0, 0.0, 0.0));

  const ZALMathTransformation flat(ZALMath3x3Matrix({1.0, 2.0, 3.0}, {2.0, 4.0, 6.0}, {0.0, 0.0, 1.0}));
  inverse = kGeneral;
  EXPECT_FALSE(flat.Inverse(inverse));
  EXPECT_EQ(E_FAIL, flat.ComputeInverse(inverse));
  EXPECT_EQ(kGeneral, inverse);  // untouched

  // near the identity is not the identity
  const ZALMath3x3Matrix nearTurn({1.0, 1e-9, 0.0}, {-1e-9, 1.0, 0.0}, {0.0, 0.0, 1.0});
  EXPECT_FALSE(ZALMathTransformation(nearTurn).IsIdentity());
  EXPECT_FALSE(ZALMathTransformation(ZALMath3x3Matrix(), {0.0, 1e-6, 0.0}).IsIdentity());
}

TEST(MathTransformation, CoefficientsAreColumnsThenTranslationAndAnAxisPlacesTheCanonicalFrame)
{
  const ZALMathTransformation t(ZALMath3x3Matrix({1.0, 2.0, 3.0}, {4.0, 5.0, 6.0}, {7.0, 8.0, 10.0}),
                                {11.0, 12.0, 13.0});
  std::vector<double> coef(13, -1.0);
  ASSERT_EQ(S_OK, t.GetCoef(coef.data(), 12));
  EXPECT_EQ(std::vector<double>({1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 10.0, 11.0, 12.0, 13.0, -1.0}), coef);
  ZALMathTransformation copy;
  EXPECT_EQ(S_OK, copy.SetCoef(coef.data(), 12));
  EXPECT_EQ(t, copy);

  // a short or missing buffer is refused and nothing is written or changed
  double shortBuffer[11] = {};
  EXPECT_EQ(E_FAIL, t.GetCoef(shortBuffer, 11));
  EXPECT_EQ(E_FAIL, copy.SetCoef(nullptr, 12));
  EXPECT_EQ(0.0, shortBuffer[0]);
  EXPECT_EQ(t, copy);

  const ZALMathAxis axis({1.0, 2.0, 3.0}, {0.0, 1.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 0.0, 1.0});
  ASSERT_EQ(S_OK, copy.SetFromAxisToOIJK(axis));
  EXPECT_EQ(axis, copy * ZALMathAxis());
  EXPECT_EQ(E_FAIL, copy.SetFromAxisToOIJK({{}, {1.0, 0.0, 0.0}, {2.0, 0.0, 0.0}, {0.0, 0.0, 1.0}}));
  EXPECT_EQ(axis, copy * ZALMathAxis());  // unchanged
}

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
  EXPECT_FALSE(Make({1.0, 2.0}, {-2.0, -4.0}).Inverse(inverse));
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
  ASSERT_TRUE((placement * placement.Inverse()).IsScaling(centre, ratio));
  EXPECT_EQ(1.0, ratio);
}
