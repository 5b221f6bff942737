#include <ZALMathAxis.h>
#include <ZALMathTransformation.h>

#include "ZALMathNear.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Quarter turn about z: exact in floating point.
const ZALMath3x3Matrix kQuarterTurnZ({0.0, 1.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 0.0, 1.0});

ZALMathTransformation Translation(double x, double y, double z)
{
  return ZALMathTransformation(ZALMath3x3Matrix(), {x, y, z});
}

// A scaled rotation of 0.7 rad about (1, 2, 3) with a large translation.
ZALMathTransformation General()
{
  ZALMathVector axis(1.0, 2.0, 3.0);
  axis.Normalize();
  const double c = std::cos(0.7);
  const double s = std::sin(0.7);
  const auto rotate = [&](const ZALMathVector& v) {
    return 2.5 * (c * v + s * axis.Cross(v) + (1.0 - c) * axis.Dot(v) * axis);
  };
  return ZALMathTransformation(ZALMath3x3Matrix(rotate({1.0, 0.0, 0.0}), rotate({0.0, 1.0, 0.0}),
                                                rotate({0.0, 0.0, 1.0})),
                               {1000.0, -2000.0, 3000.0});
}

}  // namespace

TEST(MathTransformation, ComposesRightToLeftAndMapsEachKindOfObject)
{
  const ZALMathTransformation turn(kQuarterTurnZ);
  const ZALMathTransformation shift = Translation(1.0, 0.0, 0.0);
  EXPECT_TRUE(ZALMathTransformation().IsIdentity());

  // (A × B)(x) = A(B(x))
  EXPECT_EQ(ZALMathPoint(0.0, 1.0, 0.0), (turn * shift) * ZALMathPoint());
  EXPECT_EQ(ZALMathPoint(1.0, 0.0, 0.0), (shift * turn) * ZALMathPoint());
  const ZALMathTransformation general = General();
  const ZALMathPoint p(0.3, -4.0, 7.5);
  EXPECT_TRUE(Near((general * shift) * p, general * (shift * p), 1e-9));

  // a vector sees the linear part only; an axis maps its origin and directions
  const ZALMathTransformation both = shift * turn;
  EXPECT_EQ(ZALMathVector(0.0, 1.0, 0.0), both * ZALMathVector(1.0, 0.0, 0.0));
  const ZALMathAxis moved = both * ZALMathAxis({1.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 2.0, 0.0}, {0.0, 0.0, 3.0});
  EXPECT_EQ(ZALMathAxis({1.0, 1.0, 0.0}, {0.0, 1.0, 0.0}, {-2.0, 0.0, 0.0}, {0.0, 0.0, 3.0}), moved);
}

TEST(MathTransformation, InverseRoundTripsAndRefusesSingularMatrices)
{
  const ZALMathTransformation general = General();
  ZALMathTransformation inverse;
  ASSERT_TRUE(general.Inverse(inverse));
  EXPECT_EQ(inverse, general.Inverse());
  EXPECT_TRUE((general * inverse).IsIdentity());
  EXPECT_TRUE((inverse * general).IsIdentity());
  const ZALMathPoint p(12.0, -3.5, 0.25);
  EXPECT_TRUE(Near(p, inverse * (general * p), 1e-9));

  // the singularity test is relative: a tiny but regular matrix inverts
  const double small = std::ldexp(1.0, -30);
  const ZALMathTransformation tiny(ZALMath3x3Matrix({small, 0.0, 0.0}, {0.0, small, 0.0}, {0.0, 0.0, small}));
  EXPECT_EQ(S_OK, tiny.ComputeInverse(inverse));
  EXPECT_EQ(ZALMathPoint(std::ldexp(1.0, 30), 0.0, 0.0), inverse * ZALMathPoint(1.0, 0.0, 0.0));

  const ZALMathTransformation flat(ZALMath3x3Matrix({1.0, 2.0, 3.0}, {2.0, 4.0, 6.0}, {0.0, 0.0, 1.0}));
  inverse = general;
  EXPECT_FALSE(flat.Inverse(inverse));
  EXPECT_EQ(E_FAIL, flat.ComputeInverse(inverse));
  EXPECT_EQ(general, inverse);  // untouched
  EXPECT_EQ(ZALMathTransformation(), flat.Inverse());

  // near the identity is not the identity
  const double a = 1e-9;
  EXPECT_FALSE(ZALMathTransformation(ZALMath3x3Matrix({std::cos(a), std::sin(a), 0.0},
                                                      {-std::sin(a), std::cos(a), 0.0}, {0.0, 0.0, 1.0}))
                 .IsIdentity());
  EXPECT_FALSE(Translation(0.0, 1e-6, 0.0).IsIdentity());
}

TEST(MathTransformation, CoefficientsAreColumnsThenTranslation)
{
  const ZALMathTransformation t(ZALMath3x3Matrix({1.0, 2.0, 3.0}, {4.0, 5.0, 6.0}, {7.0, 8.0, 10.0}),
                                {11.0, 12.0, 13.0});
  double coef[13];
  for (double& c : coef) c = -1.0;
  ASSERT_EQ(S_OK, t.GetCoef(coef, 12));
  const double expected[13] = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 10.0, 11.0, 12.0, 13.0, -1.0};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(expected[i], coef[i]) << "coefficient " << i;

  ZALMathTransformation copy;
  EXPECT_EQ(S_OK, copy.SetCoef(coef, 12));
  EXPECT_EQ(t, copy);

  // a short or missing buffer is refused and nothing is written or changed
  double shortBuffer[11] = {};
  EXPECT_EQ(E_FAIL, t.GetCoef(shortBuffer, 11));
  EXPECT_EQ(0.0, shortBuffer[0]);
  EXPECT_EQ(E_FAIL, t.GetCoef(nullptr, 12));
  EXPECT_EQ(E_FAIL, copy.SetCoef(shortBuffer, 11));
  EXPECT_EQ(t, copy);
}

TEST(MathTransformation, FromAxisToOIJKPlacesTheCanonicalFrameOnTheAxis)
{
  const ZALMathAxis axis({1.0, 2.0, 3.0}, {0.0, 1.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 0.0, 1.0});
  ZALMathTransformation t;
  ASSERT_EQ(S_OK, t.SetFromAxisToOIJK(axis));
  EXPECT_EQ(axis, t * ZALMathAxis());
  // local coordinates (1, 0, 0) in the axis system are one step along its first direction
  EXPECT_EQ(ZALMathPoint(1.0, 3.0, 3.0), t * ZALMathPoint(1.0, 0.0, 0.0));
  double coef[12];
  ASSERT_EQ(S_OK, t.GetCoef(coef));
  EXPECT_EQ(axis, ZALMathAxis({coef[9], coef[10], coef[11]}, {coef[0], coef[1], coef[2]},
                              {coef[3], coef[4], coef[5]}, {coef[6], coef[7], coef[8]}));

  const ZALMathTransformation before = t;
  const ZALMathAxis degenerate({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {2.0, 0.0, 0.0}, {0.0, 0.0, 1.0});
  EXPECT_EQ(E_FAIL, t.SetFromAxisToOIJK(degenerate));
  EXPECT_EQ(before, t);
}
