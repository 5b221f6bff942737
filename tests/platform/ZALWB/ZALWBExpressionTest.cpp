#include <ZALWBEquation.h>
#include <ZALWBModel.h>
#include <ZALWBParser.h>
#include <ZALWBParserMessenger.h>

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

// The residual (left - right) of the one equation in `text`, with x = 3, y = 4, Body.1.r = 5 and pi.
HRESULT Residual(const char* text, double& residual)
{
  ZALWBModel model;
  ZALCDSArray<int> ids;
  ZALWBParserMessenger messenger;
  residual = -1.0;
  if (FAILED(ZALWBParser::Parse(text, model, ids, messenger, ZALWBParser::BlackBoxes::Allow))) {
    ADD_FAILURE() << text << ": " << messenger.GetText();
    return E_FAIL;
  }
  const ZALWBValues values{{"x", 3.0}, {"y", 4.0}, {"Body.1.r", 5.0}, {"pi", std::acos(-1.0)}};
  return model.GetEquation(0)->EvaluateResidual(values, residual);
}

TEST(WBExpression, EvaluatesEachOperatorAndFunctionInItsOrderAndFailsWithoutAFiniteValue)
{
  // weights make a swapped pair of functions or arguments change the sum
  const std::tuple<const char*, HRESULT, double> cases[] = {  // text, status, residual
      {"x^2 + y^2 = Body.1.r^2", S_OK, 0.0},
      {"2^3^2 = 8 / 4 / 2 - 1 - 2", S_OK, 514.0},
      {"atan2(1, 0) * 2 = pi", S_OK, 0.0},
      {"min(x, y) * 10 + max(x, y) + abs(-x) + sqrt(16) + hypot(x, y) = 0", S_OK, 46.0},
      {"exp(log(y) * 2) + log10(1000) + floor(-0.5) * 2 + ceil(0.5) + sign(-x) + mod(7, x) = 0", S_OK, 18.0},
      {"sin(pi / 2) * 2 + cos(0) + tan(0) + asin(1) * 2 - acos(0) + atan(0) + sinh(0) + cosh(0) * 2 = 0", S_OK,
       5.0 + std::acos(-1.0) / 2.0},
      {"x = unknown", E_FAIL, 0.0},     {"x = sqrt(-1)", E_FAIL, 0.0},   {"x = 1 / 0", E_FAIL, 0.0},
      {"x = blackBox(1)", E_FAIL, 0.0}, {"x = 1e308 * 10", E_FAIL, 0.0},
  };
  for (const auto& [text, status, expected] : cases) {
    double residual = 0.0;
    EXPECT_EQ(status, Residual(text, residual)) << text;
    EXPECT_NEAR(expected, residual, 1e-12) << text;
  }
}

}  // namespace
