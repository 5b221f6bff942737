#include "ZALMPDemoMechanism.h"
#include "ZALMPModelChecker.h"
#include "ZALMPTestSupport.h"

#include <ZALMPBody.h>
#include <ZALMPExpression.h>
#include <ZALMPJointFramesServices.h>
#include <ZALMPLinearEquation.h>
#include <ZALMPLinearSpring.h>
#include <ZALMPMotor.h>
#include <ZALMPParameter.h>
#include <ZALMPSpatialForceActuator.h>
#include <ZALMPPoint.h>
#include <ZALMPRevolute.h>
#include <ZALMPValue.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>

#include <RVLBasicWorld.h>
#include <ZALMathAxis.h>
#include <ZALMathTransformation.h>
#include <ZALWBEquation.h>

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

namespace {

class DemoMechanism : public ::testing::Test {
protected:
  void SetUp() override
  {
    model.hostWorld = RVLBasicWorld::create(L"Demo");
    model.world = ZALMPWorld::create(model.hostWorld);
  }

  // The entity of kind T named `name`; null when there is none.
  template <class T, class Kind = T>
  RVLSharedHandle<T> Named(const std::string& name) const
  {
    for (int i = 0; i < model.world->Count<Kind>(); ++i) {
      RVLSharedHandle<Kind> entity;
      model.world->Get<Kind>(i, entity);
      if (entity->GetID().str() == name) return RVLSharedHandle<T>(entity);
    }
    return {};
  }

  // Where a point of a body lies in the world.
  ZALMathPoint InWorld(const std::string& body, const std::string& point) const
  {
    ZALMathTransformation placement;
    Named<ZALMPBody>(body)->GetPosition(placement);
    ZALMathPoint local;
    Named<ZALMPPoint, ZALMPGeometry>(point)->GetPoint(local);
    return placement * local;
  }

  ZALMPXmlModel model;  // owns the world, as a model read from a file does
};

TEST_F(DemoMechanism, IsAClosedFourBarHingedWhereItsBarsMeetThatKeepsItsRulesAndNeedsAWorld)
{
  ReportCapture reports;
  EXPECT_EQ(E_FAIL, ZALMPDemoMechanism::Build(RVLSharedHandle<ZALMPWorld>()));
  ASSERT_EQ(S_OK, ZALMPDemoMechanism::Build(model.world));
  // What the demo holds is pinned by its kept documents; here, that it is the
  // mechanism it claims: each pin of a bar sits where the next bar starts.
  ZALMathTransformation couplerPlacement, rockerPlacement;
  Named<ZALMPBody>("Coupler")->GetPosition(couplerPlacement);
  Named<ZALMPBody>("Rocker")->GetPosition(rockerPlacement);
  EXPECT_NEAR(0.0, (couplerPlacement * ZALMathPoint()).DistanceTo(InWorld("Crank", "CrankPin")), 1e-12);
  EXPECT_NEAR(0.0, InWorld("Rocker", "RockerPin").DistanceTo(InWorld("Coupler", "CouplerPin")), 1e-12);
  EXPECT_NEAR(0.0, (rockerPlacement * ZALMathPoint()).DistanceTo(InWorld("Ground", "RockerPivot")), 1e-12);

  // the coupler rule holds for the lengths the model gives
  ZALWBEquation* rule = nullptr;
  const RVLSharedHandle<ZALMPExpression> expression = Named<ZALMPExpression, ZALMPValue>("CouplerLengthRule");
  ASSERT_EQ(S_OK, expression->GetValue(rule));
  double crankLength = 0.0, couplerLength = 0.0, residual = 1.0;
  Named<ZALMPVariable>("CrankLength")->GetValue(crankLength);
  Named<ZALMPVariable>("CouplerLength")->GetValue(couplerLength);
  ASSERT_EQ(S_OK, rule->EvaluateResidual({{"CrankLength", crankLength}, {"CouplerLength", couplerLength}}, residual));
  EXPECT_NEAR(0.0, residual, 1e-12);

  // each hinge joins two bars at one place, about parallel axes, through the
  // frames its constraint holds; the bearings' constraints turn the angles
  ASSERT_EQ(4, model.world->Count<ZALMPJoint>());
  for (int i = 0; i < model.world->Count<ZALMPJoint>(); ++i) {
    RVLSharedHandle<ZALMPJoint> joint;
    model.world->Get<ZALMPJoint>(i, joint);
    ZALMPSolverEquivalentJointType::Enum byAxisSystems{};  // a type that takes the constraint's axis systems
    joint->SetSolverEquivalentJointType(byAxisSystems);
    std::vector<ZALMathAxis> frames;
    ASSERT_EQ(S_OK, ZALMPJointFramesServices::ComputeFrames(joint.get(), frames, 0));
    ASSERT_EQ(2u, frames.size()) << joint->GetID().str();
    EXPECT_NEAR(0.0, frames[0].GetOrigin().DistanceTo(frames[1].GetOrigin()), 1e-12) << joint->GetID().str();
    EXPECT_NEAR(0.0, (frames[0].GetThirdDirection() - frames[1].GetThirdDirection()).Norm(), 1e-12);
    EXPECT_EQ(1, joint->GetConstraintCount());
  }
  for (const auto& [angle, constraint] : {std::pair{"CrankAngle", "MainBearingAxis"}, {"RockerAngle", "RockerBearingAxis"}}) {
    RVLSharedHandle<ZALMPConstraint> linked;
    ASSERT_EQ(S_OK, Named<ZALMPVariable>(angle)->GetLinkedConstraint(0, linked)) << angle;
    EXPECT_EQ(constraint, linked->GetID().str());
  }

  // the linear equation holds for the lengths the model gives
  const auto rockerRule = Named<ZALMPLinearEquation, ZALMPConstraint>("RockerLengthRule");
  double sum = 0.0;
  rockerRule->GetConstantTerm(sum);
  for (int term = 0; term < rockerRule->GetLinkedVariableCount(); ++term) {
    RVLSharedHandle<ZALMPVariable> variable;
    double coefficient = 0.0, value = 0.0;
    ASSERT_EQ(S_OK, rockerRule->GetLinkedVariable(term, variable));
    ASSERT_EQ(S_OK, rockerRule->GetLinearTerm(term, coefficient));
    variable->GetValue(value);
    sum += coefficient * value;
  }
  EXPECT_EQ(2, rockerRule->GetLinkedVariableCount());
  EXPECT_NEAR(0.0, sum, 1e-12);

  // the spring joins the rocker to the ground, relaxed as assembled; its
  // damping is an expression that follows the world's time
  const auto spring = Named<ZALMPLinearSpring, ZALMPConnector>("RockerSpring");
  RVLSharedHandle<ZALMPBody> first, second;
  spring->GetFirstBody(first);
  spring->GetSecondBody(second);
  EXPECT_TRUE(first == Named<ZALMPBody>("Rocker") && second == Named<ZALMPBody>("Ground"));
  ZALMathPoint onRocker, onGround;
  spring->GetFirstAttachment(onRocker);
  spring->GetSecondAttachment(onGround);
  ZALMathTransformation rocker, ground;
  first->GetPosition(rocker);
  second->GetPosition(ground);
  double restLength = 0.0, stiffness = 0.0;
  ASSERT_EQ(S_OK, spring->GetRestLength(restLength));
  ASSERT_EQ(S_OK, spring->GetStiffness(stiffness));
  EXPECT_NEAR(restLength, (rocker * onRocker).DistanceTo(ground * onGround), 1e-12);
  EXPECT_EQ(200.0, stiffness);
  RVLSharedHandle<ZALMPValue> damping;
  ASSERT_EQ(S_OK, spring->GetDampingCoefficient(damping));
  RVLSharedHandle<ZALMPVariable> time, followed;
  model.world->GetGlobalTime(time);
  ASSERT_EQ(S_OK, RVLSharedHandle<ZALMPExpression>(damping)->GetLinkedVariable(0, followed));
  EXPECT_TRUE(followed == time);
  EXPECT_EQ(1, first->GetLinkedConnectorCount());
  EXPECT_EQ(1, second->GetLinkedConnectorCount());

  // the crank turns once a second, driven by a motor bounded by a torque
  const auto motor = Named<ZALMPMotor, ZALMPActuator>("CrankMotor");
  RVLSharedHandle<ZALMPVariable> driven;
  ASSERT_EQ(S_OK, motor->GetVariable(driven));
  EXPECT_TRUE(driven == Named<ZALMPVariable>("CrankAngle"));
  RVLSharedHandle<ZALMPValue> drive;
  ASSERT_EQ(S_OK, motor->GetPosition(drive));
  ZALWBEquation* turning = nullptr;
  RVLSharedHandle<ZALMPExpression>(drive)->GetValue(turning);
  double angle = 0.0;
  ASSERT_EQ(S_OK, turning->EvaluateResidual({{"CrankDrive", 2.0 * std::numbers::pi}, {"GlobalTime", 1.0}}, angle));
  EXPECT_NEAR(0.0, angle, 1e-9) << "one turn in one second";
  ZALMPPhysicalQuantity::Enum quantity{};
  RVLSharedHandle<ZALMPValue> maxTorque;
  motor->GetMaxForce(maxTorque);
  maxTorque->GetPhysicalQuantity(quantity);
  EXPECT_EQ(ZALMPPhysicalQuantity::Torque, quantity);
  ZALMathVector push;
  Named<ZALMPSpatialForceActuator, ZALMPActuator>("CouplerPush")->GetForce(push);
  EXPECT_GT(0.0, push.GetY());

  // the crank's counterweight, as a parameter group of two values
  RVLSharedHandle<ZALMPParameter> design;
  ASSERT_EQ(S_OK, Named<ZALMPBody>("Crank")->GetParameter(ZALString("CrankDesign"), design));
  EXPECT_EQ(2, design->GetValueCount());
  EXPECT_EQ(0, reports.Count());

  // a link leading out of the world is a problem
  const RVLSharedHandle<ZALMPGeometry> pin = Named<ZALMPGeometry>("CrankPin");
  ASSERT_EQ(S_OK, model.world->Remove<ZALMPGeometry>(pin));
  const RVLSharedHandle<ZALMPRevolute> hinge = ZALMPRevolute::create(L"Hinge");
  hinge->LinkToBody(Named<ZALMPBody>("Crank"), ZALMPBodyOrientation::Out);
  hinge->LinkToBody(ZALMPBody::create(L"Loose"), ZALMPBodyOrientation::In);
  ASSERT_EQ(S_OK, model.world->Add<ZALMPJoint>(hinge));
  const std::vector<std::string> problems = ZALMPModelChecker::Problems(model);
  ASSERT_EQ(2u, problems.size());
  EXPECT_EQ("dangling  ZALMPBody \"Crank\": geometry \"CrankPin\" is not filed in the Geometry registry", problems[0]);
  EXPECT_EQ("dangling  ZALMPRevolute \"Hinge\": body \"Loose\" is not filed in the Body registry", problems[1]);

  // the model's warnings come first
  model.warnings.push_back({"ZALMPValue.m/src/ZALMPValue", 42, L"Values[3] <Boolean id=\"7\">"});
  const std::vector<std::string> withWarning = ZALMPModelChecker::Problems(model);
  ASSERT_EQ(3u, withWarning.size());
  EXPECT_EQ("warning   ZALMPValue.m/src/ZALMPValue:42  Values[3] <Boolean id=\"7\">", withWarning[0]);
}

}  // namespace
