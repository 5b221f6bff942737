#include <ZALWBEquation.h>
#include <ZALWBModel.h>
#include <ZALWBParser.h>
#include <ZALWBParserMessenger.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The residual (left - right) of the one equation in `text`.
HRESULT Residual(const char* text, const ZALWBValues& values, double& residual)
{
  ZALWBModel model;
  ZALCDSArray<int> ids;
  ZALWBParserMessenger messenger;
  residual = -1.0;
  if (FAILED(ZALWBParser::Parse(text, model, ids, messenger, ZALWBParser::BlackBoxes::Allow))) {
    ADD_FAILURE() << text << ": " << messenger.GetText();
    return E_FAIL;
  }
  return model.GetEquation(0)->EvaluateResidual(values, residual);
}

TEST(WBExpression, EvaluatesWithTheParsedPrecedence)
{
  const ZALWBValues values{{"x", 3.0}, {"y", 4.0}, {"Body.1.r", 5.0}};
  const struct {
    const char* text;
    double residual;
  } cases[] = {
      {"x^2 + y^2 = Body.1.r^2", 0.0},
      {"-2^2 = 0", -4.0},
      {"2^3^2 = 0", 512.0},
      {"2^-1 = 0", 0.5},
      {"8 / 4 / 2 = 1 - 2 - 3", 5.0},
      {"x - -y * 2 = 0", 11.0},
      {"atan2(1, 1) * 4 = pi", 0.0},
      {"min(x, y) + max(x, y) + abs(-x) + sqrt(16) + hypot(x, y) = 0", 19.0},
      {"exp(log(y)) + log10(1000) + floor(-0.5) + ceil(0.5) + sign(-x) + mod(7, x) = 0", 7.0},
      {"sin(0) + cos(0) + tan(0) + asin(1) - acos(0) + atan(0) + sinh(0) + cosh(0) + tanh(0) = 0", 2.0},
  };
  for (const auto& c : cases) {
    ZALWBValues withPi = values;
    withPi["pi"] = std::acos(-1.0);
    double residual = 0.0;
    ASSERT_EQ(S_OK, Residual(c.text, withPi, residual)) << c.text;
    EXPECT_NEAR(c.residual, residual, 1e-12) << c.text;
  }
}

TEST(WBExpression, EvaluationFailsWithoutAFiniteValue)
{
  const char* texts[] = {"x = unknown", "x = sqrt(-1)", "x = 1 / 0", "x = blackBox(1)", "x = 1e308 * 10"};
  for (const char* text : texts) {
    double residual = 0.0;
    EXPECT_EQ(E_FAIL, Residual(text, {{"x", 1.0}}, residual)) << text;
    EXPECT_EQ(0.0, residual) << text;
  }
}

}  // namespace
