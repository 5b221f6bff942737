#include <ZALCDSString.h>
#include <ZALWBEquation.h>
#include <ZALWBEquationPrinter.h>
#include <ZALWBModel.h>
#include <ZALWBParser.h>
#include <ZALWBParserMessenger.h>

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace {

TEST(WBEquationPrinter, PrintsTextThatParsesBackToTheSameTree)
{
  const std::pair<const char*, const char*> cases[] = {  // text, as printed
      {"a+b*c = (a+b)*c", "a + b * c = (a + b) * c"},
      {"a-(b-c) = (a-b)-c", "a - (b - c) = a - b - c"},
      {"a/(b*c) = (a/b)*c", "a / (b * c) = a / b * c"},
      {"a+(b+c) = -(a*b) - -c", "a + (b + c) = -(a * b) - -c"},
      {"-x^2 = (-x)^2", "-x^2 = (-x)^2"},
      {"a^b^c = (a^b)^c", "a^b^c = (a^b)^c"},
      {"2^-x = (a^b)^-(c+d)", "2^-x = (a^b)^-(c + d)"},
      {"atan2( Body.1.y ,Body.1.x ) = max(0.1, 1E-3)", "atan2(Body.1.y, Body.1.x) = max(0.1, 0.001)"},
      {"x = 1e300 * 0.30000000000000004 + .5", "x = 1e+300 * 0.30000000000000004 + 0.5"},
      {"'id 7''s' = 'sin' + '' + 'x'", "'id 7''s' = 'sin' + '' + x"},
      {"f(g()) = 1", "f(g()) = 1"},
  };
  for (const auto& [text, expected] : cases) {
    ZALWBModel model;
    ZALCDSArray<int> ids;
    ZALWBParserMessenger messenger;
    ZALCDSString printed;
    ASSERT_EQ(S_OK, ZALWBParser::Parse(text, model, ids, messenger, ZALWBParser::BlackBoxes::Allow)) << text;
    ASSERT_EQ(S_OK, ZALWBEquationPrinter::Print(model.GetEquation(0), printed)) << text;
    EXPECT_STREQ(expected, printed.CastToCharPtr()) << text;
    ASSERT_EQ(S_OK, ZALWBParser::Parse(printed.CastToCharPtr(), model, ids, messenger, ZALWBParser::BlackBoxes::Allow))
        << printed.str();
    EXPECT_TRUE(model.GetEquation(0)->IsSameAs(*model.GetEquation(1))) << text;
  }
}

TEST(WBEquationPrinter, RefusesWhatTextCannotHoldAndKeepsTheBuffer)
{
  ZALCDSString text("kept");
  EXPECT_EQ(E_FAIL, ZALWBEquationPrinter::Print(nullptr, text));
  EXPECT_EQ(E_FAIL, ZALWBEquationPrinter::PrintExpression(nullptr, text));

  const ZALWBEquation infinite(ZALWBExpression::MakeVariable("x"),
                               ZALWBExpression::MakeNumber(std::numeric_limits<double>::infinity()));
  EXPECT_EQ(E_FAIL, ZALWBEquationPrinter::Print(&infinite, text));
  const ZALWBEquation badName(ZALWBExpression::MakeVariable("x"), ZALWBExpression::MakeFunction("no name", {}));
  EXPECT_EQ(E_FAIL, ZALWBEquationPrinter::Print(&badName, text));
  EXPECT_STREQ("kept", text.CastToCharPtr());

  // a hand-built negative number prints as a negation, with the parentheses that needs
  const auto power = ZALWBExpression::MakeBinary(ZALWBExpression::Kind::Power, ZALWBExpression::MakeNumber(-2.5),
                                                 ZALWBExpression::MakeVariable("x"));
  ASSERT_EQ(S_OK, ZALWBEquationPrinter::PrintExpression(power.get(), text));
  EXPECT_STREQ("(-2.5)^x", text.CastToCharPtr());
}

}  // namespace
