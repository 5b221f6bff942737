#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"
#include "ZALMPWorldFixture.h"

#include <ZALIMPMotorLoader.h>
#include <ZALMPConstant.h>
#include <ZALMPMotor.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPVariable.h>

#include <ZALWBFactory.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Notes which targets it hears of, answering `answer`.
class TargetLog : public ZALIMPMotorLoader {
public:
  TargetLog(std::vector<std::string>& heard, HRESULT answer) : m_heard(heard), m_answer(answer) {}
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return Note("deactivate"); }
  HRESULT OnPositionChanged(const RVLSharedHandle<ZALMPValue>&) override { return Note("position"); }
  HRESULT OnVelocityChanged(const RVLSharedHandle<ZALMPValue>&) override { return Note("velocity"); }
  HRESULT OnAccelerationChanged(const RVLSharedHandle<ZALMPValue>&) override { return Note("acceleration"); }
  HRESULT OnMaxForceChanged(const RVLSharedHandle<ZALMPValue>&) override { return Note("max force"); }

private:
  HRESULT Note(const char* what)
  {
    m_heard.push_back(what);
    return m_answer;
  }
  std::vector<std::string>& m_heard;
  HRESULT m_answer;
};

RVLSharedHandle<ZALMPVariable> VariableOf(ZALMPPhysicalQuantity::Enum quantity)
{
  const RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"driven");
  variable->SetPhysicalQuantity(quantity);
  return variable;
}

class Motor : public WorldFixture {
protected:
  const RVLSharedHandle<ZALMPMotor> motor = ZALMPMotor::create(L"motor");

  ZALMPMotorTargetType::Enum Type() const
  {
    ZALMPMotorTargetType::Enum type{};
    motor->GetTargetType(type);
    return type;
  }
  ZALMPPhysicalQuantity::Enum QuantityOf(const RVLSharedHandle<ZALMPValue>& value) const
  {
    ZALMPPhysicalQuantity::Enum quantity{};
    value->GetPhysicalQuantity(quantity);
    return quantity;
  }
};

TEST_F(Motor, TargetsJoinTheTargetTypeAndTheLoaderHearsOfEach)
{
  ReportCapture reports;
  EXPECT_EQ(ZALMPMotorTargetType::NotSpecified, Type());
  EXPECT_EQ(E_FAIL, motor->SetTargetType(ZALMPMotorTargetType::NotSpecified));
  EXPECT_EQ(E_FAIL, motor->SetPosition(RVLSharedHandle<ZALMPValue>()));
  EXPECT_EQ(2, reports.Count());

  std::vector<std::string> heard;
  motor->SetLoader(new TargetLog(heard, S_OK));
  EXPECT_EQ(S_OK, motor->SetPosition(ZALMPConstant::create(L"p")));
  EXPECT_EQ(ZALMPMotorTargetType::PositionTarget, Type());
  EXPECT_EQ(S_OK, motor->SetVelocity(ZALMPConstant::create(L"v")));
  EXPECT_EQ(ZALMPMotorTargetType::AccelerationTarget, Type()) << "position and velocity make 3";
  EXPECT_EQ(S_OK, motor->SetMaxForce(ZALMPConstant::create(L"f")));
  EXPECT_EQ((std::vector<std::string>{"position", "velocity", "max force"}), heard);

  motor->SetLoader(new TargetLog(heard, E_FAIL));
  EXPECT_EQ(E_FAIL, motor->SetAcceleration(ZALMPConstant::create(L"a")));
  RVLSharedHandle<ZALMPValue> held;
  EXPECT_EQ(S_OK, motor->GetAcceleration(held)) << "held before the loader is told";
  EXPECT_EQ(3, reports.Count());

  // activation asks nothing of the motor loader; deactivation tells it again
  heard.clear();
  motor->SetLoader(new TargetLog(heard, S_OK));
  EXPECT_EQ(S_OK, motor->Activate()) << "already active";
  EXPECT_EQ(S_OK, motor->Deactivate());
  EXPECT_EQ((std::vector<std::string>{"deactivate", "deactivate"}), heard);
  EXPECT_EQ(S_OK, motor->Activate());
  motor->SetLoader(nullptr);
  motor->Deactivate();
  EXPECT_EQ(S_FALSE, motor->Activate()) << "no motor loader";
}

TEST_F(Motor, ANumberChangesAHeldConstantOrMakesOneOfTheQuantityItsVariableCallsFor)
{
  ReportCapture reports;
  world->Add<ZALMPActuator>(motor);
  EXPECT_EQ(E_FAIL, motor->SetPosition(1.0)) << "a new constant needs the variable's quantity";
  EXPECT_EQ(ZALMPMotorTargetType::PositionTarget, Type()) << "the code joins first";
  EXPECT_EQ(2, reports.Count());

  motor->SetVariable(VariableOf(ZALMPPhysicalQuantity::Angle));
  const int values = world->Count<ZALMPValue>();
  ASSERT_EQ(S_OK, motor->SetPosition(2.5));
  ASSERT_EQ(S_OK, motor->SetPosition(3.5));
  EXPECT_EQ(values + 1, world->Count<ZALMPValue>()) << "one constant, changed the second time";
  EXPECT_TRUE(motor->HasConstantPosition());

  RVLSharedHandle<ZALMPValue> value;
  motor->SetVelocity(1.0);
  motor->GetVelocity(value);
  EXPECT_EQ(ZALMPPhysicalQuantity::AngularVelocity, QuantityOf(value));
  const RVLSharedHandle<ZALMPMotor> pushing = ZALMPMotor::create(L"pushing");
  pushing->SetVariable(VariableOf(ZALMPPhysicalQuantity::Length));
  pushing->SetMaxForce(10.0);
  pushing->GetMaxForce(value);
  EXPECT_EQ(ZALMPPhysicalQuantity::Force, QuantityOf(value));

  // an equation factory becomes the motor's
  ZALWBFactory* factory = new ZALWBFactory();
  ZALWBEquation* equation = nullptr;
  ZALMPSerializationServices::ParseWBEquation(L"a = 6.28 * GlobalTime", factory, equation);
  ASSERT_EQ(S_OK, motor->SetPosition(factory));
  ZALWBFactory* held = nullptr;
  EXPECT_EQ(S_OK, motor->GetPosition(held));
  EXPECT_EQ(factory, held);
  EXPECT_FALSE(motor->HasConstantPosition());
}

TEST_F(Motor, AMotorOfOneVelocityWritesItsTypeByNameAndReadsBackVelocityTarget)
{
  const RVLSharedHandle<ZALMPVariable> angle = VariableOf(ZALMPPhysicalQuantity::Angle);
  const RVLSharedHandle<ZALMPConstant> velocity = ZALMPConstant::create(L"speed");
  motor->SetVariable(angle);
  motor->SetVelocity(velocity);
  const std::string text = WrittenXml(*motor);
  EXPECT_NE(std::string::npos, text.find(">VelocityTarget<")) << text;
  const RVLSharedHandle<ZALMPMotor> back = ZALMPMotor::create();
  ASSERT_EQ(S_OK, back->Deserialize(ReadXml(text).get(), IdsOf({angle, velocity})));
  ZALMPMotorTargetType::Enum type{};
  back->GetTargetType(type);
  EXPECT_EQ(ZALMPMotorTargetType::VelocityTarget, type);
  EXPECT_EQ(S_FALSE, back->LinkToVariable(angle)) << "a motor drives one variable";
  EXPECT_EQ(1, back->GetLinkedVariableCount());
}

}  // namespace
