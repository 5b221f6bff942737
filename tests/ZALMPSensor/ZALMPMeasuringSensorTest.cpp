#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPBody.h>
#include <ZALMPCollisionSensor.h>
#include <ZALMPConnectorSpatialForceSensor.h>
#include <ZALMPConstraintSensor.h>
#include <ZALMPDofSensor.h>
#include <ZALMPEquation.h>
#include <ZALMPJointDOFSensor.h>
#include <ZALMPJointSpatialForceSensor.h>
#include <ZALMPLinearSpring.h>
#include <ZALMPRevolute.h>

#include <ZALMath3x3Matrix.h>
#include <ZALMathTransformation.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const ZALMathVector kX(1, 0, 0), kY(0, 1, 0), kZ(0, 0, 1);

// A body turned a quarter about Z (its X axis along the world's Y) and moved along X.
RVLSharedHandle<ZALMPBody> TurnedBody()
{
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"turned");
  body->SetPosition(ZALMathTransformation(ZALMath3x3Matrix(kY, -1 * kX, kZ), ZALMathVector(4, 0, 0)), 0);
  return body;
}

TEST(DofSensor, RotationsFillTheSharedSlotsFromTheFirstAndScrewsFromTheLast)
{
  const RVLSharedHandle<ZALMPDofSensor> sensor = ZALMPDofSensor::create(L"dof");
  EXPECT_EQ(S_OK, sensor->AddRotation(ZALMathPoint(1, 0, 0), kZ));
  EXPECT_EQ(S_OK, sensor->AddScrew(ZALMathPoint(2, 0, 0), kX, 0.5));
  EXPECT_EQ(S_OK, sensor->AddScrew(ZALMathPoint(3, 0, 0), kY, 0.25));
  EXPECT_EQ(E_FAIL, sensor->AddRotation(ZALMathPoint(), kZ)) << "the three slots are taken";
  for (int i = 0; i < 3; ++i) EXPECT_EQ(S_OK, sensor->AddTranslation(kX)) << i;
  EXPECT_EQ(E_FAIL, sensor->AddTranslation(kY));
  EXPECT_EQ(6, sensor->GetNumberOfDof());

  ZALMathPoint pole;
  ZALMathVector axis;
  double pitch = 0.0;
  ASSERT_EQ(S_OK, sensor->GetScrew(1, pole, axis, pitch));
  EXPECT_EQ(ZALMathPoint(3, 0, 0), pole) << "the second screw";
  EXPECT_EQ(0.25, pitch);
  EXPECT_EQ(E_FAIL, sensor->GetRotation(1, pole, axis));
  EXPECT_EQ(E_FAIL, sensor->GetScrew(-1, pole, axis, pitch));

  // a sensor without rotations or screws reads back its translations, and fails
  ReportCapture reports;
  const RVLSharedHandle<ZALMPDofSensor> sliding = ZALMPDofSensor::create(L"sliding");
  sliding->AddTranslation(kX);
  sliding->AddTranslation(kY);
  const RVLSharedHandle<ZALMPDofSensor> back = ZALMPDofSensor::create();
  EXPECT_EQ(E_FAIL, back->Deserialize(ReadXml(WrittenXml(*sliding)).get(), {}));
  ZALMathVector second;
  EXPECT_EQ(S_OK, back->GetTranslation(1, second));
  EXPECT_EQ(kY, second);
  EXPECT_EQ(0, back->GetNumberOfRotations() + back->GetNumberOfScrews());
  EXPECT_EQ(S_OK, back->Reset());
  EXPECT_EQ(0, back->GetNumberOfDof());
}

TEST(JointDOFSensor, KeepsItsIndexOnARefusalAndAnswersAnUpdateOnlyWhenActive)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPJointDOFSensor> sensor = ZALMPJointDOFSensor::create(L"angle");
  sensor->SetIndexDOF(4);
  EXPECT_EQ(E_FAIL, sensor->SetIndexDOF(6));
  int index = 0;
  sensor->GetIndexDOF(index);
  EXPECT_EQ(4, index);
  EXPECT_EQ(0, reports.Count());
  EXPECT_EQ(E_FAIL, sensor->Update()) << "active without a loader";
  EXPECT_EQ(1, reports.Count());
  sensor->Deactivate();
  EXPECT_EQ(S_FALSE, sensor->Update());

  // a sensor written without its joint reads back without it, and without failing
  sensor->SetPosition(0.5);
  EXPECT_EQ(S_OK, ZALMPJointDOFSensor::create()->Deserialize(ReadXml(WrittenXml(*sensor)).get(), {}));
  double position = 0.5;
  sensor->Reset();
  sensor->GetPosition(position);
  EXPECT_EQ(0.0, position);
}

TEST(SpatialForceSensor, AJointSensorMeasuresInWorldAxesAndAConnectorSensorInItsFirstBodys)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPJointSpatialForceSensor> joint = ZALMPJointSpatialForceSensor::create(L"j");
  joint->SetSpatialForce(kZ, ZALMathVector());
  const ZALMathPoint at(1, 0, 0);
  ZALMathVector force, torque;
  ASSERT_EQ(S_OK, joint->GetSpatialForce(force, torque, ZALMPAxisMode::GlobalFrame, nullptr, &at));
  EXPECT_EQ(kZ, force);
  EXPECT_EQ(kY, torque) << "moved to the point: T - P x F";
  EXPECT_EQ(E_FAIL, joint->GetSpatialForce(force, torque, ZALMPAxisMode::AxisSystem));
  EXPECT_EQ(E_FAIL, joint->GetSpatialForce(force, torque, static_cast<ZALMPAxisMode::Enum>(4)));
  EXPECT_EQ(0, reports.Count()) << "no axis system, or no such mode, is not reported";
  EXPECT_EQ(E_FAIL, joint->GetSpatialForce(force, torque, ZALMPAxisMode::LocalFrame)) << "no joint";
  EXPECT_EQ(E_FAIL, joint->SetIndexBody(-1));

  // in its own axes, through the inverse of the joint's frame: here the placement of its body
  const RVLSharedHandle<ZALMPRevolute> hinge = ZALMPRevolute::create(L"hinge");
  hinge->LinkToBody(TurnedBody(), ZALMPBodyOrientation::In);
  ZALMPSolverEquivalentJointType::Enum placementType{19};
  hinge->SetSolverEquivalentJointType(placementType);
  joint->SetJoint(hinge);
  joint->SetSpatialForce(kY, ZALMathVector());
  ASSERT_EQ(S_OK, joint->GetSpatialForce(force, torque, ZALMPAxisMode::LocalFrame));
  EXPECT_NEAR(0.0, (force - kX).Norm(), 1e-12);

  const RVLSharedHandle<ZALMPConnectorSpatialForceSensor> connector = ZALMPConnectorSpatialForceSensor::create(L"c");
  const RVLSharedHandle<ZALMPLinearSpring> spring = ZALMPLinearSpring::create(L"s");
  spring->SetFirstBody(TurnedBody());
  connector->SetConnector(spring);
  connector->SetSpatialForce(kX, kZ);
  ASSERT_EQ(S_OK, connector->GetSpatialForce(force, torque, ZALMPAxisMode::GlobalFrame));
  EXPECT_NEAR(0.0, (force - kY).Norm(), 1e-12) << "through the connector's frame";
  ASSERT_EQ(S_OK, connector->GetSpatialForce(force, torque, ZALMPAxisMode::LocalFrame));
  EXPECT_EQ(kX, force) << "as measured";
}

TEST(ConstraintSensor, DropsAConstraintFromEveryListAndSaysWhetherItWasEverywhere)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPConstraintSensor> sensor = ZALMPConstraintSensor::create(L"r");
  const RVLSharedHandle<ZALMPEquation> watched = ZALMPEquation::create(L"w"), other = ZALMPEquation::create(L"o");
  sensor->SetConstraint(watched);
  sensor->SetRedundancyStatus(ZALMPConstraintSensor::RedundancyStatusNames::Redundant, {watched, other}, {watched});
  EXPECT_EQ(S_FALSE, sensor->RemoveConstraint(other)) << "not the watched one";
  EXPECT_EQ(S_OK, sensor->RemoveConstraint(watched));
  ZALMPConstraintSensor::RedundancyStatus status{};
  RVLSharedVector<ZALMPConstraint> first, second;
  sensor->GetRedundancyStatus(status, first, second);
  EXPECT_EQ(ZALMPConstraintSensor::RedundancyStatusNames::Redundant, status);
  EXPECT_TRUE(first.empty() && second.empty());
  EXPECT_EQ(E_FAIL, sensor->RemoveConstraint(nullptr));
  EXPECT_EQ(1, reports.Count());
}

TEST(CollisionSensor, KeepsEachPairOnceAndItsRecordsInOrderWithTheirBodies)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCollisionSensor> sensor = ZALMPCollisionSensor::create(L"contacts");
  const RVLSharedHandle<ZALMPBody> first = ZALMPBody::create(L"a"), second = ZALMPBody::create(L"b");
  sensor->AddContactData({first, second});
  sensor->AddContactData({first, second});
  sensor->AddContactData({second, first});
  EXPECT_EQ(2, sensor->GetContactCount());

  ZALMPCollisionSensor::ZALMPContactForceData contact;
  contact.firstBody = first;
  contact.penetrationDepth = 0.5;
  contact.secondFrictionForce = kY;
  sensor->AddContactForceData(contact);
  contact.penetrationDepth = 0.25;
  sensor->AddContactForceData(contact);
  const RVLSharedHandle<ZALMPCollisionSensor> back = ZALMPCollisionSensor::create();
  ASSERT_EQ(S_OK, back->Deserialize(ReadXml(WrittenXml(*sensor)).get(), IdsOf({first})));
  ASSERT_EQ(2, back->GetContactForceDataCount());
  ZALMPCollisionSensor::ZALMPContactForceData read;
  ASSERT_EQ(S_OK, back->GetContactForceData(1, read));
  EXPECT_EQ(0.25, read.penetrationDepth);
  EXPECT_EQ(kY, read.secondFrictionForce);
  EXPECT_TRUE(read.firstBody == first);
  EXPECT_FALSE(read.secondBody) << "none was written";
  EXPECT_EQ(E_FAIL, back->GetContactGeometryData(0, read)) << "no geometry record";
  EXPECT_EQ(0, back->GetContactCount()) << "the pairs are not saved";
  sensor->Deactivate();
  EXPECT_EQ(S_FALSE, sensor->Update());
}

}  // namespace
