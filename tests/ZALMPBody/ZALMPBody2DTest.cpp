// The planar body: what its loader hears, what it keeps of a save and of a
// copy, whom it asks to drop it when orphaned, and how it propagates moves.
// What it writes at each version, and that every field and link comes back,
// is pinned by the kind conformance test; its single links (sketch, sensor)
// answer as every single link does (GeometryBodyLink).

#include "ZALMPBodyTestLoader.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPDisplacementSensor2D.h>
#include <ZALMPPoint.h>
#include <ZALMPPoint2D.h>
#include <ZALMPSketch.h>
#include <ZALMPUserDefined2D.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

// A quarter turn about the origin, with exact coefficients, and a shift.
const ZALMathTransformation2D kQuarterTurn(ZALMath2x2Matrix({0, 1}, {-1, 0}));
ZALMathTransformation2D Shift(double x, double y)
{
  return ZALMathTransformation2D(ZALMath2x2Matrix(), ZALMathVector2D(x, y));
}

ZALMathTransformation2D PositionOf(const ZALMPBody2D& body)
{
  ZALMathTransformation2D position;
  body.GetPosition(position);
  return position;
}

// How a move, a velocity and a velocity at a point reach the loader, and that
// its own transformation does not move the body, is shared with the rigid
// body (BodyLoader).
TEST(Body2DLoader, HearsOfPlanarMovesAndFixChangesButNotOfNoOps)
{
  RVLSharedHandle<ZALMPBody2D> body = ZALMPBody2D::create(L"Crank");
  RecordingBodyLoader* const loader = new RecordingBodyLoader();
  body->SetLoader(loader);
  EXPECT_EQ(S_OK, body->SetPosition(ZALMathTransformation2D())) << "the current placement: nothing to do";
  EXPECT_EQ(S_FALSE, body->SetPosition(kQuarterTurn)) << "a quarter turn is a move: the loader's Unfix answer";
  EXPECT_EQ(kQuarterTurn, loader->lastMove);
  EXPECT_EQ(S_OK, body->SetPosition(kQuarterTurn)) << "the same placement again is none";
  body->SetPosition(Shift(1, 2) * kQuarterTurn);
  EXPECT_EQ(Shift(1, 2), loader->lastMove) << "the move relative to the old placement";

  body->Fix2D();
  body->Fix2D();
  body->SetFix2D(false);
  body->Fix3D();
  body->Unfix3D();
  body->Unfix3D();
  EXPECT_FALSE(body->IsFixed2D() || body->IsFixed3D());
  EXPECT_EQ(S_FALSE, body->ActivateVelocityAndAccelerationComputationForKIN());

  ZALMathVector2D linear, linearAcceleration;
  double angular = 0.0, angularAcceleration = 0.0;
  ZALMathPoint2D at, centre;
  unsigned char flag = 0;
  EXPECT_EQ(S_OK, body->GetVelocityAndAcceleration(linear, angular, linearAcceleration, angularAcceleration, at,
                                                   flag, centre));
  EXPECT_EQ(1, flag);
  EXPECT_EQ(ZALMathPoint2D(4, 5), centre) << "the centre of rotation the loader gives comes back";

  const std::vector<std::string> expected = {"ApplyTransformation2D", "Unfix", "ApplyTransformation2D", "Unfix",
                                             "Fix2D", "Unfix2D", "Fix3D", "Unfix3D", "ActivateForKIN2D",
                                             "ComputeVelocityAndAcceleration2D"};
  EXPECT_EQ(expected, loader->calls);
  ZALMPBody2D::destroy(body);
}

// The fix in space is not written but a copy keeps it; a velocity read is
// known whatever its value, but only when it was written, and a copy's is not.
TEST(Body2DPersistence, TheFixInSpaceSurvivesACopyButNotASaveAndAZeroVelocityReadIsKnown)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPBody2D> source = ZALMPBody2D::create(L"Crank");
  source->SetVelocity({0, 0}, 0.0);
  source->Fix3D();
  const std::string document = WrittenXml(*source);
  const RVLSharedHandle<ZALMPBody2D> read = ZALMPBody2D::create(), fresh = ZALMPBody2D::create();
  read->Fix3D();
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(document).get(), {}));
  EXPECT_TRUE(read->IsFixed3D()) << "reading leaves the fix in space as it was";
  ASSERT_EQ(S_OK, fresh->Deserialize(ReadXml(document).get(), {}));
  EXPECT_FALSE(fresh->IsFixed3D()) << "a fix in space does not survive a save";
  ZALMathVector2D linear(9, 9);
  double angular = 9.0;
  EXPECT_EQ(S_OK, fresh->GetVelocity(linear, angular)) << "a zero velocity read is known";
  EXPECT_EQ(std::make_pair(ZALMathVector2D(0, 0), 0.0), std::make_pair(linear, angular));
  EXPECT_EQ(0, reports.Count());

  const RVLSharedHandle<ZALMPBody2D> unknown = ZALMPBody2D::create();
  const std::string without = std::regex_replace(document, std::regex("<Velocity>[\\s\\S]*</Velocity>"), "");
  EXPECT_EQ(S_OK, unknown->Deserialize(ReadXml(without).get(), {}));
  EXPECT_EQ(E_FAIL, unknown->GetVelocity(linear, angular)) << "no velocity written, none known";
  EXPECT_EQ(1, reports.Count()) << "the missing group";

  const RVLSharedHandle<ZALMPBody2D> copy = ZALMPBody2D::clone(source);
  EXPECT_TRUE(copy->IsFixed3D()) << "a copy keeps the fix in space";
  EXPECT_EQ(E_FAIL, copy->GetVelocity(linear, angular)) << "a copy's velocity is not known";
}

// Orphaned, the planar body asks its sensor and its planar partners only; the
// sketch and the rigid body's own links stay.
TEST(Body2DOrphaning, AsksTheSensorAndThePlanarPartnersAndKeepsTheSketch)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPBody2D> body = ZALMPBody2D::create(L"Crank");
  const RVLSharedHandle<ZALMPBody2D> kept = body, child = ZALMPBody2D::create(L"Rod");
  const RVLSharedHandle<ZALMPDisplacementSensor2D> sensor = ZALMPDisplacementSensor2D::create(L"sensor");
  const RVLSharedHandle<ZALMPPoint2D> point = ZALMPPoint2D::create(L"pin");
  const RVLSharedHandle<ZALMPUserDefined2D> joint = ZALMPUserDefined2D::create(L"hinge");
  const RVLSharedHandle<TestShape2D> shape = TestShape2D::create(L"outline");
  const RVLSharedHandle<ZALMPPoint> spatial = ZALMPPoint::create(L"spatial");
  body->SetDisplacementSensor(sensor);
  sensor->SetBody(body);
  body->AddGeometry(point);
  point->SetBody(body);
  body->LinkToJoint(joint);
  joint->LinkToBody(body, ZALMPBodyOrientation::In);
  body->LinkToShape(shape);
  shape->LinkToBody(body);
  body->AddImpactedChildBody(child);
  child->AddImpactedChildBody(body);
  body->SetSketch(ZALMPSketch::create(L"plane"));
  static_cast<ZALMPBody&>(*body).AddGeometry(spatial);
  spatial->SetBody(body);

  ZALMPBody2D::destroy(body);
  RVLSharedHandle<ZALMPBody2D> planar;
  RVLSharedHandle<ZALMPBody> rigid;
  EXPECT_EQ(E_FAIL, point->GetBody(planar));
  EXPECT_EQ(0, joint->GetLinkedBodyCount() + shape->GetLinkedBodyCount() + child->GetImpactedChildBodyCount());
  EXPECT_EQ(0, kept->GetGeometryCount() + kept->GetLinkedJointCount() + kept->GetLinkedShapeCount() +
                   kept->GetImpactedChildBodyCount());
  RVLSharedHandle<ZALMPSketch> held;
  EXPECT_EQ(S_OK, kept->GetSketch(held)) << "the sketch stays";
  EXPECT_EQ(S_OK, spatial->GetBody(rigid)) << "a rigid body's partner is not asked";
  EXPECT_EQ(1, static_cast<const ZALMPBody&>(*kept).GetGeometryCount());
  EXPECT_EQ(0, reports.Count());
  EXPECT_EQ(E_FAIL, sensor->GetBody(planar)) << "the sensor was asked";
  EXPECT_EQ(1, reports.Count()) << "a sensor without a body reports when asked for it";
  static_cast<ZALMPBody&>(*kept).RemoveGeometry(spatial);
  spatial->RemoveBody(kept);
}

// A sensor no longer alive or inactive, and the impacted children, are met as
// the rigid body meets them (BodyUpdatePosition): the two share those steps.
TEST(Body2DUpdatePosition, AccumulatesIntoTheSensorAndPostsTheNoticeAndMovesInSpaceApart)
{
  RVLSharedHandle<ZALMPBody2D> body = ZALMPBody2D::create(L"Crank");
  RVLSharedHandle<ZALMPDisplacementSensor2D> sensor = ZALMPDisplacementSensor2D::create(L"s");
  body->SetDisplacementSensor(sensor);
  UpdateCounter notices(*body);

  EXPECT_EQ(S_OK, body->UpdatePosition(ZALMathTransformation2D(), true));
  EXPECT_EQ(0, notices.count) << "a skipped identity posts nothing";
  body->UpdatePosition(Shift(1, 0), true);
  body->UpdatePosition(kQuarterTurn, true);
  ZALMathTransformation2D displacement;
  sensor->GetDisplacement(displacement);
  EXPECT_EQ(kQuarterTurn * Shift(1, 0), displacement);
  EXPECT_EQ(kQuarterTurn * Shift(1, 0), PositionOf(*body)) << "moves apply on the left";

  EXPECT_EQ(S_OK, body->Update3DPosition(ZALMathTransformation(), true));
  const ZALMathTransformation lift(ZALMath3x3Matrix(), ZALMathVector(0, 0, 1));
  EXPECT_EQ(S_OK, body->Update3DPosition(lift, true));
  ZALMathTransformation inSpace;
  body->Get3DPosition(inSpace);
  EXPECT_EQ(lift, inSpace);
  EXPECT_EQ(kQuarterTurn * Shift(1, 0), PositionOf(*body)) << "a move in space leaves the planar placement";
  EXPECT_EQ(3, notices.count);
  ZALMPBody2D::destroy(body);
}

}  // namespace
