#include <ZALCrvLimits.h>
#include <ZALCrvParam.h>
#include <ZALTRVArc.h>
#include <ZALTRVLine.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

ZALCrvParam Param(const ZALTRVCurve& curve, double value)
{
  ZALCrvParam param;
  EXPECT_EQ(S_OK, curve.CreateParam(value, param));
  return param;
}

TEST(CrvLimits, VerificationAcceptsOrderedParametersOfOneCurveWithinItsRangeAndKeepsTheValuesOfOthers)
{
  // parameter range 0 to 5
  const ZALBaseUnknownRef<ZALTRVLine> line = ZALTRVLine::Create({0.0, 0.0, 0.0}, {3.0, 4.0, 0.0});
  const struct {
    double low, high;
    bool valid;
  } cases[] = {{0.0, 5.0, true},   {1.25, 1.25, true},   {-4e-9, 5.000000004, true},
               {4.999999999999, 5.000000000001, true}, {3.0, 2.0, false}, {-1e-6, 2.0, false},
               {1.0, 5.00001, false}};
  for (const auto& c : cases) {
    const ZALCrvParam low = Param(*line, c.low), high = Param(*line, c.high);
    const ZALCrvLimits verified(low, high, ZALCrvLimits::kVerifyInRange);
    double gotLow = 0.0, gotHigh = 0.0;
    EXPECT_EQ(c.valid, verified.IsValid()) << c.low << " to " << c.high;
    EXPECT_EQ(c.valid ? S_OK : E_FAIL, verified.GetExtremities(gotLow, gotHigh)) << c.low << " to " << c.high;
    EXPECT_EQ(c.low, gotLow);
    EXPECT_EQ(c.high, gotHigh);
    EXPECT_TRUE(ZALCrvLimits(low, high, ZALCrvLimits::kNoVerification).IsValid()) << c.low << " to " << c.high;
  }
  EXPECT_FALSE(ZALCrvLimits(Param(*line, 1.0), Param(*line, 2.0), 2).IsValid()) << "no such verification mode";

  // parameters of a curve with another range, or of none
  const ZALBaseUnknownRef<ZALTRVArc> arc =
      ZALTRVArc::Create({{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, 1.0, 0.0, 4.0});
  EXPECT_FALSE(ZALCrvLimits(Param(*line, 1.0), Param(*arc, 3.0), ZALCrvLimits::kVerifyInRange).IsValid());
  ZALCrvParam notFinite = Param(*line, 1.0);
  EXPECT_EQ(E_FAIL, line->CreateParam(std::numeric_limits<double>::quiet_NaN(), notFinite));
  EXPECT_FALSE(notFinite.HasCurve());
  EXPECT_FALSE(ZALCrvLimits(notFinite, Param(*line, 1.0), ZALCrvLimits::kVerifyInRange).IsValid());
}

}  // namespace
