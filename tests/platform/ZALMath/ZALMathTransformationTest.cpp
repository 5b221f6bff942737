#include <ZALMathAxis.h>
#include <ZALMathTransformation.h>

#include "ZALMathNear.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Neither orthogonal nor symmetric, with a large translation.
const ZALMathTransformation kGeneral(ZALMath3x3Matrix({2.0, 1.0, 0.0}, {0.0, 1.0, 3.0}, {1.0, 0.0, 1.0}),
                                     {1000.0, -2000.0, 3000.0});

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
  EXPECT_EQ(0.0, shortBuffer[0]);
  EXPECT_EQ(E_FAIL, t.GetCoef(nullptr, 12));
  EXPECT_EQ(E_FAIL, copy.SetCoef(shortBuffer, 11));
  EXPECT_EQ(t, copy);

  const ZALMathAxis axis({1.0, 2.0, 3.0}, {0.0, 1.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 0.0, 1.0});
  ASSERT_EQ(S_OK, copy.SetFromAxisToOIJK(axis));
  EXPECT_EQ(axis, copy * ZALMathAxis());
  EXPECT_EQ(E_FAIL, copy.SetFromAxisToOIJK({{}, {1.0, 0.0, 0.0}, {2.0, 0.0, 0.0}, {0.0, 0.0, 1.0}}));
  EXPECT_EQ(axis, copy * ZALMathAxis());  // unchanged
}
