#include <ZALCDSString.h>
#include <ZALWBEquation.h>
#include <ZALWBEquationPrinter.h>
#include <ZALWBFactory.h>
#include <ZALWBModel.h>
#include <ZALWBParser.h>
#include <ZALWBParserMessenger.h>
#include <ZALWBVariable.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Parses `text` into `model`, which must succeed.
void ParseInto(const char* text, ZALWBModel& model)
{
  ZALCDSArray<int> ids;
  ZALWBParserMessenger messenger;
  ASSERT_EQ(S_OK, ZALWBParser::Parse(text, model, ids, messenger, ZALWBParser::BlackBoxes::Refuse))
      << messenger.GetText();
}

std::string Printed(const ZALWBEquation* equation)
{
  ZALCDSString text;
  return SUCCEEDED(ZALWBEquationPrinter::Print(equation, text)) ? text.str() : "<not printable>";
}

TEST(WBModel, FillFactoryMovesEquationsAndSharesVariablesByName)
{
  ZALWBFactory factory;
  ZALWBModel model;
  ParseInto("a = b + 1;\n b = 2 * c;", model);

  ZALCDSArray<int> ids;
  ZALCDSArray<ZALWBVariable*> variables;
  ASSERT_EQ(S_OK, model.FillFactory(&factory, ids, 0, nullptr, &variables));
  ASSERT_EQ(2, ids.GetSize());
  EXPECT_EQ("a = b + 1", Printed(factory.GetEquationById(ids[0])));
  EXPECT_EQ("b = 2 * c", Printed(factory.GetEquationById(ids[1])));

  // each name is one factory variable, listed in order of first use
  ASSERT_EQ(3, variables.GetSize());
  const char* names[] = {"a", "b", "c"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(factory.GetVariable(names[i]), variables[i]) << names[i];

  // a later fill gets the next ids and reuses the variables the factory holds
  ParseInto("x = 0; c = 3", model);
  ASSERT_EQ(S_OK, model.FillFactory(&factory, ids, 1, nullptr, nullptr));
  ASSERT_EQ(1, ids.GetSize());
  EXPECT_EQ(2, ids[0]);
  EXPECT_EQ(1, model.GetNbOfEquations());
  EXPECT_EQ(3, factory.GetNbOfVariables());
  EXPECT_EQ(nullptr, factory.GetEquationById(3));
  EXPECT_EQ(nullptr, factory.GetEquationById(-1));

  // every use of a name is bound to the one variable: renaming it renames them all
  ASSERT_EQ(S_OK, factory.GetVariable("c")->SetName("Body.2.x"));
  EXPECT_EQ("b = 2 * Body.2.x", Printed(factory.GetEquationById(1)));
  EXPECT_EQ("Body.2.x = 3", Printed(factory.GetEquationById(2)));
}

TEST(WBModel, RefusedFillAndVariableCreationChangeNothing)
{
  ZALWBFactory factory;
  ZALWBModel model;
  ParseInto("a = 1", model);
  ZALCDSArray<int> ids;
  ids.Append(7);
  for (int first : {-1, 2}) EXPECT_EQ(E_FAIL, model.FillFactory(&factory, ids, first, nullptr, nullptr)) << first;
  EXPECT_EQ(E_FAIL, model.FillFactory(nullptr, ids, 0, nullptr, nullptr));
  EXPECT_EQ(1, model.GetNbOfEquations());
  ASSERT_EQ(1, ids.GetSize());
  EXPECT_EQ(7, ids[0]);
  EXPECT_EQ(0, factory.GetNbOfEquations());

  ZALWBVariable* id = factory.CreateVariable("id-1234");
  ASSERT_NE(nullptr, id);
  EXPECT_EQ(nullptr, factory.CreateVariable("id-1234"));
  EXPECT_EQ(nullptr, factory.CreateVariable(nullptr));
  EXPECT_EQ(E_FAIL, id->SetName(nullptr));
  EXPECT_EQ("id-1234", id->GetName());
}

}  // namespace
