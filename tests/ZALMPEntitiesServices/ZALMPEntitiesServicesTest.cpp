#include "ZALMPTestSupport.h"
#include "ZALMPWorldFixture.h"

#include <ZALMPBody.h>
#include <ZALMPConstant.h>
#include <ZALMPEntitiesServices.h>
#include <ZALMPExpression.h>
#include <ZALMPLinearSpring.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPVariable.h>
#include <ZALMPVariableHelper.h>

#include <ZALWBFactory.h>
#include <ZALWBVariable.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// A factory holding one equation per text, kept for the expressions made from it.
std::unique_ptr<ZALWBFactory> FactoryOf(std::initializer_list<std::wstring> texts)
{
  auto factory = std::make_unique<ZALWBFactory>();
  for (const std::wstring& text : texts) {
    ZALWBEquation* equation = nullptr;
    EXPECT_EQ(S_OK, ZALMPSerializationServices::ParseWBEquation(text, factory.get(), equation));
  }
  return factory;
}

class EntitiesServices : public WorldFixture {
protected:
  const RVLSharedHandle<ZALMPLinearSpring> spring = ZALMPLinearSpring::create(L"spring");
};

TEST_F(EntitiesServices, MakeValuesFiledInTheOwnersWorldAndExpressionsThatFollowItsTime)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPValue> value;
  // outside a world: a constant of the quantity, in no world
  ASSERT_EQ(S_OK, CreateConstantValue(2.5, spring, ZALMPPhysicalQuantity::LinearStiffness, value));
  bool inWorld = true;
  value->IsInWorld(inWorld);
  EXPECT_FALSE(inWorld);
  ZALMPPhysicalQuantity::Enum quantity{};
  value->GetPhysicalQuantity(quantity);
  EXPECT_EQ(ZALMPPhysicalQuantity::LinearStiffness, quantity);
  EXPECT_EQ(E_FAIL, CreateConstantValue(1.0, nullptr, ZALMPPhysicalQuantity::Length, value));
  EXPECT_FALSE(value) << "no owner: nothing is handed out";

  // a factory of exactly one equation
  const std::unique_ptr<ZALWBFactory> one = FactoryOf({L"f = 2*GlobalTime"});
  const std::unique_ptr<ZALWBFactory> two = FactoryOf({L"f = t", L"g = t"});
  const std::unique_ptr<ZALWBFactory> none = std::make_unique<ZALWBFactory>();
  for (ZALWBFactory* refused : {two.get(), none.get(), static_cast<ZALWBFactory*>(nullptr)})
    EXPECT_EQ(E_FAIL, CreateExpressionValue(refused, spring, ZALMPPhysicalQuantity::Force, value));
  EXPECT_EQ(4, reports.Count()) << "each failure reports";

  // in a world: filed there, and an expression follows the world's time
  ASSERT_EQ(S_OK, world->Add<ZALMPConnector>(spring));
  const int values = world->Count<ZALMPValue>();
  ASSERT_EQ(S_OK, CreateConstantValue(3.0, spring, ZALMPPhysicalQuantity::Length, value));
  ASSERT_EQ(S_OK, CreateExpressionValue(one.get(), spring, ZALMPPhysicalQuantity::Force, value));
  EXPECT_EQ(values + 2, world->Count<ZALMPValue>());
  RVLSharedHandle<ZALMPVariable> time, followed;
  world->GetGlobalTime(time);
  ASSERT_EQ(S_OK, RVLSharedHandle<ZALMPExpression>(value)->GetLinkedVariable(0, followed));
  EXPECT_TRUE(followed == time);
  ZALWBEquation* equation = nullptr;
  RVLSharedHandle<ZALMPExpression>(value)->GetValue(equation);
  EXPECT_EQ(one->GetEquationById(0), equation) << "the factory keeps its equation";
}

TEST_F(EntitiesServices, ANumberChangesAHeldConstantInPlaceAndReplacesAnExpression)
{
  ReportCapture reports;
  world->Add<ZALMPConnector>(spring);
  ASSERT_EQ(S_OK, spring->SetStiffness(1000.0));
  RVLSharedHandle<ZALMPValue> held, after;
  spring->GetStiffness(held);
  const int values = world->Count<ZALMPValue>();
  ASSERT_EQ(S_OK, spring->SetStiffness(2000.0));
  spring->GetStiffness(after);
  EXPECT_TRUE(after == held) << "the same constant, changed";
  EXPECT_EQ(values, world->Count<ZALMPValue>());
  double number = 0.0;
  EXPECT_EQ(S_OK, ReadConstantValue(held, number));
  EXPECT_EQ(2000.0, number);

  // an expression cannot be read as a number, and a number replaces it
  const std::unique_ptr<ZALWBFactory> factory = FactoryOf({L"f = 2*GlobalTime"});
  RVLSharedHandle<ZALMPValue> expression;
  CreateExpressionValue(factory.get(), spring, ZALMPPhysicalQuantity::LinearDamping, expression);
  spring->SetDampingCoefficient(expression);
  number = 7.0;
  EXPECT_EQ(E_FAIL, spring->GetDampingCoefficient(number));
  EXPECT_EQ(0.0, number);
  const int withExpression = world->Count<ZALMPValue>();
  ASSERT_EQ(S_OK, spring->SetDampingCoefficient(4.0));
  EXPECT_EQ(withExpression + 1, world->Count<ZALMPValue>());
  bool inWorld = false;
  expression->IsInWorld(inWorld);
  EXPECT_TRUE(inWorld) << "the expression stays in the world";
  EXPECT_EQ(S_OK, spring->GetDampingCoefficient(number));
  EXPECT_EQ(4.0, number);
  EXPECT_EQ(2, reports.Count()) << "the number getter and the service report";
}

TEST_F(EntitiesServices, AVariableMapsOntoOneEquationVariableNamedAfterItsIdentifier)
{
  ReportCapture reports;
  ZALWBFactory factory;
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"angle");
  variable->SetIdentifier(L"{angle-1}");
  ZALWBVariable* first = nullptr;
  ZALWBVariable* again = nullptr;
  ASSERT_EQ(S_OK, ZALMPVariableHelper::CreateWBVariable(variable, &factory, first));
  ASSERT_EQ(S_OK, ZALMPVariableHelper::CreateWBVariable(variable, &factory, again));
  EXPECT_EQ(first, again);
  EXPECT_EQ(first, factory.GetVariable("{angle-1}"));
  EXPECT_EQ(1, factory.GetNbOfVariables());
  EXPECT_EQ(E_FAIL, ZALMPVariableHelper::CreateWBVariable(nullptr, &factory, first));
  EXPECT_EQ(nullptr, first);
  EXPECT_EQ(E_FAIL, ZALMPVariableHelper::CreateWBVariable(variable, nullptr, first));
  EXPECT_EQ(2, reports.Count());
}

}  // namespace
