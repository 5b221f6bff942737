#include <ZALCrvLimits.h>
#include <ZALCrvParam.h>
#include <ZALTRVArc.h>
#include <ZALTRVLine.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

class CrvLimits : public ::testing::Test {
protected:
  // parameter range 0 to 5
  const ZALBaseUnknownRef<ZALTRVLine> line = ZALTRVLine::Create({0.0, 0.0, 0.0}, {3.0, 4.0, 0.0});

  ZALCrvParam Param(double value) const
  {
    ZALCrvParam param;
    EXPECT_EQ(S_OK, line->CreateParam(value, param));
    return param;
  }
};

TEST_F(CrvLimits, VerificationAcceptsOrderedParametersOfOneCurveWithinItsRange)
{
  double low = -1.0;
  double high = -1.0;
  const ZALCrvParam start = Param(0.0);
  EXPECT_TRUE(start.HasCurve());
  start.GetCurveRange(low, high);
  EXPECT_EQ(5.0, high);

  const struct {
    double low, high;
  } accepted[] = {{0.0, 5.0}, {1.25, 1.25}, {-4e-9, 5.000000004}, {4.999999999999, 5.000000000001}};
  for (const auto& limits : accepted) {
    const ZALCrvLimits verified(Param(limits.low), Param(limits.high), ZALCrvLimits::kVerifyInRange);
    EXPECT_TRUE(verified.IsValid()) << limits.low << " to " << limits.high;
    EXPECT_EQ(S_OK, verified.GetExtremities(low, high));
    EXPECT_EQ(limits.low, low);
    EXPECT_EQ(limits.high, high);
  }
}

TEST_F(CrvLimits, AFailedVerificationKeepsTheValuesAndAnswersFailure)
{
  const ZALBaseUnknownRef<ZALTRVArc> arc =
      ZALTRVArc::Create({{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, 1.0, 0.0, 4.0});
  ZALCrvParam ofArc;
  ASSERT_EQ(S_OK, arc->CreateParam(3.0, ofArc));
  ZALCrvParam notFinite = Param(1.0);
  EXPECT_EQ(E_FAIL, line->CreateParam(std::numeric_limits<double>::quiet_NaN(), notFinite));
  EXPECT_FALSE(notFinite.HasCurve());

  const struct {
    const char* what;
    ZALCrvParam low, high;
  } refused[] = {{"reversed", Param(3.0), Param(2.0)},
                 {"below the range", Param(-1e-6), Param(2.0)},
                 {"above the range", Param(1.0), Param(5.00001)},
                 {"of a curve with another range", Param(1.0), ofArc},
                 {"of no curve", ZALCrvParam(), Param(1.0)}};
  for (const auto& limits : refused) {
    const ZALCrvLimits verified(limits.low, limits.high, ZALCrvLimits::kVerifyInRange);
    EXPECT_FALSE(verified.IsValid()) << limits.what;
    double low = 0.0;
    double high = 0.0;
    EXPECT_EQ(E_FAIL, verified.GetExtremities(low, high)) << limits.what;
    EXPECT_EQ(limits.low.GetValue(), low) << limits.what;
    EXPECT_EQ(limits.high.GetValue(), high) << limits.what;
    EXPECT_TRUE(ZALCrvLimits(limits.low, limits.high, ZALCrvLimits::kNoVerification).IsValid()) << limits.what;
  }
  EXPECT_FALSE(ZALCrvLimits(Param(1.0), Param(2.0), 2).IsValid()) << "no such verification mode";
}

}  // namespace
