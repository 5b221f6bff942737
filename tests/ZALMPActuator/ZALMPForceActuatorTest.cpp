#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALIMPDisplacementActuatorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPConstant.h>
#include <ZALMPDisplacementActuator.h>
#include <ZALMPExpression.h>
#include <ZALMPGeometry.h>
#include <ZALMPJointForceActuator.h>
#include <ZALMPSpatialForceActuator.h>

#include <ZALMath3x3Matrix.h>
#include <ZALMathTransformation.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const ZALMathVector kX(1, 0, 0), kY(0, 1, 0), kZ(0, 0, 1);

RVLSharedHandle<ZALMPValue> Constant(double number)
{
  const RVLSharedHandle<ZALMPConstant> constant = ZALMPConstant::create(L"c");
  constant->SetValue(number);
  return constant;
}

// A body turned a quarter about Z (its X axis along the world's Y) and moved by `shift`.
RVLSharedHandle<ZALMPBody> TurnedBody(const ZALMathVector& shift)
{
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"turned");
  body->SetPosition(ZALMathTransformation(ZALMath3x3Matrix(kY, -1 * kX, kZ), shift), 0);
  return body;
}

ZALMathVector NumbersOf(const ZALMPSpatialForceActuator::Components& components)
{
  double numbers[3] = {};
  for (int i = 0; i < 3; ++i) RVLSharedHandle<ZALMPConstant>(components[i])->GetValue(numbers[i]);
  return ZALMathVector(numbers[0], numbers[1], numbers[2]);
}

TEST(JointForceActuator, KeepsADegreeOfFreedomFromZeroToFiveAndRefusesToReadAnotherOne)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPJointForceActuator> actuator = ZALMPJointForceActuator::create(L"a");
  EXPECT_EQ(E_FAIL, actuator->SetIndexDOF(6));
  EXPECT_EQ(E_FAIL, actuator->SetIndexDOF(-1));
  EXPECT_EQ(S_OK, actuator->SetIndexDOF(5));
  EXPECT_EQ(0, reports.Count()) << "an index out of range is not reported";
  EXPECT_EQ(E_FAIL, actuator->SetForce(nullptr)) << "reported, and not held";

  const RVLSharedHandle<ZALMPValue> force = Constant(3);
  actuator->SetForce(force);
  const std::string text = Replaced(WrittenXml(*actuator), "<DOFindex>5</DOFindex>", "<DOFindex>7</DOFindex>");
  const RVLSharedHandle<ZALMPJointForceActuator> back = ZALMPJointForceActuator::create();
  reports.Clear();
  EXPECT_EQ(E_FAIL, back->Deserialize(ReadXml(text).get(), IdsOf({force})));
  RVLSharedHandle<ZALMPValue> got;
  EXPECT_EQ(S_OK, back->GetForce(got)) << "the force was read all the same";
  EXPECT_EQ(1, reports.Count());
}

TEST(SpatialForceActuator, NumbersGivenInAFrameBodyAreHeldInWorldAxesAndFollowTheBodyInItsLocalFrame)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPSpatialForceActuator> actuator = ZALMPSpatialForceActuator::create(L"push");
  const RVLSharedHandle<ZALMPBody> frame = TurnedBody(ZALMathVector(5, 0, 0));
  const ZALMPSpatialForceActuator::Components along = {Constant(2), Constant(0), Constant(1)};
  ASSERT_EQ(S_OK, actuator->SetForce(along, frame));
  ZALMPSpatialForceActuator::Components held;
  actuator->GetForce(held);
  EXPECT_FALSE(held[0] == along[0]) << "new constants";
  EXPECT_NEAR(0.0, (NumbersOf(held) - ZALMathVector(0, 2, 1)).Norm(), 1e-12) << "X of the frame is the world's Y";
  ZALMPSpatialForceActuator::Components inFrame;
  ASSERT_EQ(S_OK, actuator->GetForce(inFrame, frame));
  EXPECT_NEAR(0.0, (NumbersOf(inFrame) - ZALMathVector(2, 0, 1)).Norm(), 1e-12) << "and back";

  // an expression among the components is held as given, frame or not
  const ZALMPSpatialForceActuator::Components timed = {Constant(1), ZALMPExpression::create(L"e"), Constant(0)};
  actuator->SetTorque(timed, frame);
  actuator->GetTorque(held);
  EXPECT_TRUE(held[1] == timed[1] && held[0] == timed[0]);
  ZALMathVector torque;
  actuator->GetTorque(torque);
  EXPECT_EQ(1.0, torque.GetX());
  EXPECT_EQ(1, reports.Count()) << "the expression read as a number";

  // the application point and, in the local frame, the force follow the body
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"carrier");
  ASSERT_EQ(S_OK, actuator->SetBody(body));
  EXPECT_EQ(S_FALSE, actuator->SetBody(body));
  EXPECT_EQ(S_FALSE, actuator->SetApplicationPoint(ZALMathPoint(1, 0, 0)));
  EXPECT_EQ(S_FALSE, actuator->SetApplicationPoint(ZALMathPoint(1, 0, 0))) << "the same point";
  actuator->SetIsInLocalFrame(true);
  body->SetPosition(ZALMathTransformation(ZALMath3x3Matrix(kY, -1 * kX, kZ), ZALMathVector(0, 0, 3)), 0);
  ZALMathPoint point;
  actuator->GetApplicationPoint(point);
  EXPECT_NEAR(0.0, point.DistanceTo(ZALMathPoint(0, 1, 3)), 1e-12);
  actuator->GetForce(held);
  EXPECT_NEAR(0.0, (NumbersOf(held) - ZALMathVector(-2, 0, 1)).Norm(), 1e-12);

  // a point given in a reference body is carried by its placement times the inverse of the body's
  EXPECT_EQ(E_FAIL, ZALMPSpatialForceActuator::create()->SetApplicationPoint(ZALMathPoint(1, 1, 1), frame))
      << "a reference body needs a body of the actuator";
}

// Notes the moves it is given and answers how far they got.
class MoveLog : public ZALIMPDisplacementActuatorLoader {
public:
  int moves = 0;
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  HRESULT OnDisplacementChanged(const ZALMathTransformation&) override { return ++moves, S_OK; }
  HRESULT OnDragLineChanged(const ZALMathLine&) override { return ++moves, E_FAIL; }
  HRESULT GetMoveStatus(ZALMPMoveStatus::Enum& status) override
  {
    status = ZALMPMoveStatus::Reached;
    return S_OK;
  }
};

TEST(DisplacementActuator, TellsItsLoaderOfEachMoveAndAsksItHowFarItGot)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPDisplacementActuator> actuator = ZALMPDisplacementActuator::create(L"move");
  ZALMPMoveStatus::Enum status = ZALMPMoveStatus::Blocked;
  EXPECT_EQ(S_OK, actuator->GetMoveStatus(status));
  EXPECT_EQ(ZALMPMoveStatus::Idle, status) << "no loader";
  RVLSharedHandle<ZALMPGeometry> geometry;
  EXPECT_EQ(S_FALSE, actuator->GetGeometry(geometry));
  RVLSharedHandle<ZALMPBody> body;
  EXPECT_EQ(E_FAIL, actuator->GetBody(body));
  EXPECT_EQ(1, reports.Count());

  MoveLog* const log = new MoveLog();
  actuator->SetLoader(log);
  EXPECT_EQ(S_OK, actuator->SetDisplacement(ZALMathTransformation(ZALMath3x3Matrix(), ZALMathVector(1, 2, 3))));
  EXPECT_EQ(E_FAIL, actuator->SetDisplacementByDragLine(ZALMathLine(ZALMathPoint(), kZ)));
  ZALMathLine line;
  actuator->GetDisplacementByDragLine(line);
  EXPECT_EQ(kZ, line.GetDirection()) << "stored before the loader is told";
  EXPECT_EQ(S_OK, actuator->GetMoveStatus(status));
  EXPECT_EQ(ZALMPMoveStatus::Reached, status);
  EXPECT_EQ(2, log->moves);
}

}  // namespace
