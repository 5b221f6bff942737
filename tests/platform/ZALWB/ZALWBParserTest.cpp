#include <ZALWBModel.h>
#include <ZALWBParser.h>
#include <ZALWBParserMessenger.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

// What the parser accepts shows where it is used: several equations in
// WBModel, and precedence, grouping, names and numbers in WBEquationPrinter
// (printed text) and WBExpression (evaluated value). These are its refusals.
TEST(WBParser, SyntaxErrorsNameTheirPlaceAndChangeNothing)
{
  const std::tuple<const char*, int, std::string> cases[] = {  // text, position of the error, message
      {"x = (1 + 2", 10, "expected ')'"},
      {"x = 1 +", 7, "unexpected end of the text"},
      {"x + 1", 5, "expected an operator or '='"},
      {"x = 1 = 2", 6, "an equation has only one '='"},
      {"x = 1 2", 6, "expected an operator, ';' or the end of the text"},
      {"x = sin(1, 2)", 4, "function 'sin' takes 1 argument, not 2"},
      {"x = sin", 4, "function 'sin' needs its arguments in parentheses"},
      {"x = foo(1)", 4, "unknown function 'foo'"},
      {"x = 2 # 3", 6, "unexpected character '#'"},
      {"x = 1e999", 4, "number out of range"},
      {"x = 1;;", 6, "expected a number, a name or '(' before ';'"},
      {"  ", 2, "expected an equation"},
      {"x = 1;\n  y = 'abc", 13, "unterminated quoted name"},
  };
  ZALWBModel model;
  ZALCDSArray<int> ids;
  ZALWBParserMessenger messenger;
  ASSERT_EQ(S_OK, ZALWBParser::Parse("a = 1", model, ids, messenger, ZALWBParser::BlackBoxes::Refuse));
  for (const auto& [text, position, message] : cases) {
    EXPECT_EQ(E_FAIL, ZALWBParser::Parse(text, model, ids, messenger, ZALWBParser::BlackBoxes::Refuse)) << text;
    EXPECT_EQ(message, messenger.GetMessage()) << text;
    EXPECT_EQ(position, messenger.GetPosition()) << text;
    EXPECT_EQ(1, model.GetNbOfEquations()) << text;
    EXPECT_EQ(1, ids.GetSize()) << text;
  }
  // the last case's message in full: its place is counted in lines and columns
  EXPECT_EQ("line 2, column 7: unterminated quoted name", messenger.GetText());

  EXPECT_EQ(E_FAIL, ZALWBParser::Parse(nullptr, model, ids, messenger, ZALWBParser::BlackBoxes::Refuse));
  EXPECT_TRUE(messenger.HasError());
}

TEST(WBParser, RefusesNestingDeeperThanItsLimit)
{
  const int limit = ZALWBParser::kMaxDepth;
  const auto parenthesised = [](int depth) { return "x = " + std::string(depth, '(') + "1" + std::string(depth, ')'); };
  std::string sum = "x = 1";  // a sum of n terms is n levels deep
  for (int i = 1; i < limit; ++i) sum += " + 1";
  const std::pair<std::string, bool> cases[] = {
      {parenthesised(limit - 1), true}, {parenthesised(limit), false}, {sum, true}, {sum + " + 1", false}};
  ZALWBModel model;
  ZALCDSArray<int> ids;
  ZALWBParserMessenger messenger;
  for (const auto& [text, accepted] : cases) {
    EXPECT_EQ(accepted ? S_OK : E_FAIL,
              ZALWBParser::Parse(text.c_str(), model, ids, messenger, ZALWBParser::BlackBoxes::Refuse))
        << text.substr(0, 8) << " of " << text.size();
    EXPECT_EQ(accepted ? "" : "expression nested too deeply", messenger.GetMessage()) << text.size();
  }
}

}  // namespace
