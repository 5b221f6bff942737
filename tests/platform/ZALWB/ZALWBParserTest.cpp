#include <ZALWBEquation.h>
#include <ZALWBModel.h>
#include <ZALWBParser.h>
#include <ZALWBParserMessenger.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using Kind = ZALWBExpression::Kind;

TEST(WBParser, ReadsSeveralEquationsWithTheirPrecedence)
{
  ZALWBModel model;
  ZALCDSArray<int> ids;
  ZALWBParserMessenger messenger;
  ASSERT_EQ(S_OK, ZALWBParser::Parse("-x^2 = a - b - c;\n y = a^b^-c ; z=Body.1.x*2e-3;", model, ids, messenger,
                                     ZALWBParser::BlackBoxes::Refuse))
      << messenger.GetText();
  EXPECT_FALSE(messenger.HasError());
  ASSERT_EQ(3, ids.GetSize());
  ASSERT_EQ(3, model.GetNbOfEquations());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(i, ids[i]) << "equation " << i;

  // unary minus binds looser than ^, and - groups to the left
  const ZALWBEquation& first = *model.GetEquation(0);
  ASSERT_EQ(Kind::Negate, first.GetLeft().GetKind());
  EXPECT_EQ(Kind::Power, first.GetLeft().GetOperand(0)->GetKind());
  ASSERT_EQ(Kind::Subtract, first.GetRight().GetKind());
  EXPECT_EQ(Kind::Subtract, first.GetRight().GetOperand(0)->GetKind());
  EXPECT_EQ("c", first.GetRight().GetOperand(1)->GetName());

  // ^ groups to the right and takes a negated exponent
  const ZALWBExpression& power = model.GetEquation(1)->GetRight();
  ASSERT_EQ(Kind::Power, power.GetKind());
  ASSERT_EQ(Kind::Power, power.GetOperand(1)->GetKind());
  EXPECT_EQ(Kind::Negate, power.GetOperand(1)->GetOperand(1)->GetKind());

  const ZALWBExpression& product = model.GetEquation(2)->GetRight();
  EXPECT_EQ("Body.1.x", product.GetOperand(0)->GetName());
  EXPECT_EQ(2e-3, product.GetOperand(1)->GetNumber());
}

TEST(WBParser, SyntaxErrorsNameTheirPlaceAndChangeNothing)
{
  struct Case {
    const char* text;
    int position;
    int line;
    int column;
    std::string message;
  };
  const Case cases[] = {
      {"x = (1 + 2", 10, 1, 11, "expected ')'"},
      {"x = 1 +", 7, 1, 8, "unexpected end of the text"},
      {"x + 1", 5, 1, 6, "expected an operator or '='"},
      {"x = 1 = 2", 6, 1, 7, "an equation has only one '='"},
      {"x = 1 2", 6, 1, 7, "expected an operator, ';' or the end of the text"},
      {"x = sin(1, 2)", 4, 1, 5, "function 'sin' takes 1 argument, not 2"},
      {"x = sin", 4, 1, 5, "function 'sin' needs its arguments in parentheses"},
      {"x = foo(1)", 4, 1, 5, "unknown function 'foo'"},
      {"x = 2 # 3", 6, 1, 7, "unexpected character '#'"},
      {"x = 1e999", 4, 1, 5, "number out of range"},
      {"x = 1;;", 6, 1, 7, "expected a number, a name or '(' before ';'"},
      {"  ", 2, 1, 3, "expected an equation"},
      {"x = 1;\n  y = 'abc", 13, 2, 7, "unterminated quoted name"},
  };
  ZALWBModel model;
  ZALCDSArray<int> ids;
  ZALWBParserMessenger messenger;
  ASSERT_EQ(S_OK, ZALWBParser::Parse("a = 1", model, ids, messenger, ZALWBParser::BlackBoxes::Refuse));
  for (const Case& c : cases) {
    EXPECT_EQ(E_FAIL, ZALWBParser::Parse(c.text, model, ids, messenger, ZALWBParser::BlackBoxes::Refuse))
        << c.text;
    EXPECT_EQ(c.message, messenger.GetMessage()) << c.text;
    EXPECT_EQ(c.position, messenger.GetPosition()) << c.text;
    EXPECT_EQ(c.line, messenger.GetLine()) << c.text;
    EXPECT_EQ(c.column, messenger.GetColumn()) << c.text;
    EXPECT_EQ(1, model.GetNbOfEquations()) << c.text;
    EXPECT_EQ(1, ids.GetSize()) << c.text;
  }
  // the last case's message in full
  EXPECT_EQ("line 2, column 7: unterminated quoted name", messenger.GetText());

  EXPECT_EQ(E_FAIL, ZALWBParser::Parse(nullptr, model, ids, messenger, ZALWBParser::BlackBoxes::Refuse));
  EXPECT_TRUE(messenger.HasError());

  // an unknown function is kept when black boxes are allowed, and a success clears the messenger
  EXPECT_EQ(S_OK, ZALWBParser::Parse("x = foo(1, y)", model, ids, messenger, ZALWBParser::BlackBoxes::Allow));
  EXPECT_FALSE(messenger.HasError());
  EXPECT_EQ(2, model.GetEquation(1)->GetRight().GetOperandCount());
}

TEST(WBParser, RefusesNestingDeeperThanItsLimit)
{
  const int deep = ZALWBParser::kMaxDepth + 1;
  const std::string parentheses = "x = " + std::string(deep, '(') + "1" + std::string(deep, ')');
  std::string sum = "x = 1";
  for (int i = 0; i < deep; ++i) sum += " + 1";
  std::string fine = "x = 1";
  for (int i = 0; i < ZALWBParser::kMaxDepth - 2; ++i) fine += " + 1";

  ZALWBModel model;
  ZALCDSArray<int> ids;
  ZALWBParserMessenger messenger;
  for (const std::string& text : {parentheses, sum}) {
    EXPECT_EQ(E_FAIL, ZALWBParser::Parse(text.c_str(), model, ids, messenger, ZALWBParser::BlackBoxes::Refuse))
        << text.substr(0, 20);
    EXPECT_EQ("expression nested too deeply", messenger.GetMessage()) << text.substr(0, 20);
  }
  EXPECT_EQ(S_OK, ZALWBParser::Parse(fine.c_str(), model, ids, messenger, ZALWBParser::BlackBoxes::Refuse))
      << messenger.GetText();
}

}  // namespace
