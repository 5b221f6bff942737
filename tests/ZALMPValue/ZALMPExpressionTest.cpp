#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPExpression.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPVariable.h>
#include <ZALMPVersion.h>

#include <ZALWBEquation.h>
#include <ZALWBFactory.h>

#include <gtest/gtest.h>

#include <map>

namespace {

using Mapping = std::map<int, int>;

Mapping MappingOf(const ZALMPExpression& expression)
{
  Mapping mapping;
  expression.GetVariableMapping(mapping);
  return mapping;
}

TEST(Expression, LinkingAVariableMapsItsIndexToItself)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPExpression> expression = ZALMPExpression::create(L"e");
  const RVLSharedHandle<ZALMPVariable> x = ZALMPVariable::create(L"x");
  EXPECT_EQ(S_OK, expression->LinkToVariable(x));
  EXPECT_EQ(S_OK, expression->LinkToVariable(ZALMPVariable::create(L"y")));
  EXPECT_EQ((Mapping{{0, 0}, {1, 1}}), MappingOf(*expression));
  expression->SetVariableMapping({{1, 0}});
  EXPECT_EQ(S_FALSE, expression->LinkToVariable(x));
  EXPECT_EQ((Mapping{{1, 0}}), MappingOf(*expression)) << "an existing link changes nothing";

  ZALWBEquation* equation = nullptr;
  EXPECT_EQ(E_FAIL, expression->GetValue(equation));
  EXPECT_EQ(0, reports.Count()) << "a missing equation is not reported";
  EXPECT_EQ(E_FAIL, expression->SetValue(nullptr));
  EXPECT_EQ(1, reports.Count());
}

// That the equation, links and mapping come back in a world is pinned by the
// kind conformance test; these are the parts read and written without them.
TEST(Expression, WithoutAWorldOrAnEquationTheRestIsStillReadWrittenAndCopied)
{
  ReportCapture reports;
  ZALWBFactory factory;
  ZALWBEquation* equation = nullptr;
  ASSERT_EQ(S_OK, ZALMPSerializationServices::ParseWBEquation(L"y = 2*t + 1", &factory, equation));
  const RVLSharedHandle<ZALMPExpression> source = ZALMPExpression::create(L"Law");
  const RVLSharedHandle<ZALMPVariable> t = ZALMPVariable::create(L"t"), y = ZALMPVariable::create(L"y");
  source->SetValue(equation);
  source->LinkToVariable(t);
  source->LinkToVariable(y);
  source->SetVariableMapping({{0, 1}, {1, 0}});
  const std::string xml = WrittenXml(*source);

  const RVLSharedHandle<ZALMPExpression> outside = ZALMPExpression::create();
  EXPECT_EQ(E_FAIL, outside->Deserialize(ReadXml(xml).get(), IdsOf({t, y})));
  EXPECT_EQ(1 + 1, reports.Count()) << "the equation is not read, and the read fails";
  EXPECT_EQ((Mapping{{0, 1}, {1, 0}}), MappingOf(*outside));
  EXPECT_EQ(2, outside->GetLinkedVariableCount());

  // Mapping entries are looked up as Var0 .. Var<n-1>: after a gap the rest is missed.
  const RVLSharedHandle<ZALMPExpression> gap = ZALMPExpression::create();
  gap->Deserialize(ReadXml(Replaced(xml, "<Var1>0</Var1>", "<Var2>0</Var2>")).get(), {});
  EXPECT_EQ((Mapping{{0, 1}}), MappingOf(*gap));

  const RVLSharedHandle<ZALMPExpression> copy = ZALMPExpression::clone(source);
  ZALWBEquation* copied = nullptr;
  EXPECT_EQ(S_OK, copy->GetValue(copied));
  EXPECT_EQ(equation, copied) << "a copy shares its source's equation";
  EXPECT_EQ(0, copy->GetLinkedVariableCount());

  HRESULT emptyWritten = S_OK;
  EXPECT_NE(std::string::npos, WriteXml(*ZALMPExpression::create(), ZALMPVersion::kR2018_1, emptyWritten)
                                   .find("<VariableMapping"));
  EXPECT_EQ(E_FAIL, emptyWritten) << "no equation to write";
}

}  // namespace
