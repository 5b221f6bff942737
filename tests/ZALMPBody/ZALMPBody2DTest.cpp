// The planar body: what its loader hears, what it keeps of a save, whom it
// asks to drop it when orphaned, and how it propagates moves. What it writes
// at each version, and that every field and link comes back, is pinned by the
// kind conformance test.

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALIMPBody2DLoader.h>
#include <ZALMPBody2D.h>
#include <ZALMPDisplacementSensor2D.h>
#include <ZALMPPoint.h>
#include <ZALMPPoint2D.h>
#include <ZALMPSketch.h>
#include <ZALMPUserDefined2D.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/// Records the calls it receives and answers S_FALSE; at a point p it
/// computes (p.x, 0) as the linear velocity.
class RecordingBody2DLoader : public ZALIMPBody2DLoader {
public:
  std::vector<std::string> calls;
  ZALMathTransformation2D lastMove;

  HRESULT OnActivate() override { return Record("OnActivate"); }
  HRESULT OnDeactivate() override { return Record("OnDeactivate"); }
  HRESULT ApplyTransformation(const ZALMathTransformation2D& relative) override
  {
    lastMove = relative;
    return Record("ApplyTransformation");
  }
  HRESULT SetVelocity(const ZALMathVector2D&, const double&) override { return Record("SetVelocity"); }
  HRESULT ComputeVelocity(ZALMathVector2D& linear, double&, ZALMathPoint2D& point) override
  {
    linear = ZALMathVector2D(point.GetX(), 0.0);
    return Record("ComputeVelocity");
  }
  HRESULT ComputeAcceleration(ZALMathVector2D&, double&, ZALMathPoint2D&) override
  {
    return Record("ComputeAcceleration");
  }
  HRESULT ComputeVelocityAndAcceleration(ZALMathVector2D&, double&, ZALMathVector2D&, double&, ZALMathPoint2D&,
                                         unsigned char& flag, ZALMathPoint2D& centre) override
  {
    flag = 1;
    centre = ZALMathPoint2D(4, 5);
    return Record("ComputeVelocityAndAcceleration");
  }
  HRESULT Fix2D() override { return Record("Fix2D"); }
  HRESULT Unfix2D() override { return Record("Unfix2D"); }
  HRESULT Fix3D() override { return Record("Fix3D"); }
  HRESULT Unfix3D() override { return Record("Unfix3D"); }
  HRESULT ActivateVelocityAndAccelerationComputationForKIN() override { return Record("ActivateForKIN"); }
  HRESULT Unfix() override { return Record("Unfix"); }

  // The spatial part: never called by a planar body.
  HRESULT ApplyTransformation(const ZALMathTransformation&) override { return Record("spatial"); }
  HRESULT SetVelocity(const ZALMathVector&, const ZALMathVector&) override { return Record("spatial"); }
  HRESULT ComputeVelocity(ZALMathVector&, ZALMathVector&, ZALMathPoint&) override { return Record("spatial"); }
  HRESULT ComputeAcceleration(ZALMathVector&, ZALMathVector&, ZALMathPoint&) override { return Record("spatial"); }
  HRESULT Fix() override { return Record("spatial"); }
  HRESULT ComputeVelocityAndAcceleration(ZALMathVector&, ZALMathVector&, ZALMathVector&, ZALMathVector&,
                                         ZALMathPoint&, unsigned char&, ZALMathLine&,
                                         ZALMPBody::PointWhereToComputeVelAndAcc, const ZALMathPoint*,
                                         RVLSharedHandle<ZALMPBody>, const ZALMathAxis*) override
  {
    return Record("spatial");
  }

private:
  HRESULT Record(const char* call)
  {
    calls.emplace_back(call);
    return S_FALSE;
  }
};

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

TEST(Body2DLoader, HearsOfPlanarMovesVelocitiesAndFixChangesButNotOfNoOps)
{
  RVLSharedHandle<ZALMPBody2D> body = ZALMPBody2D::create(L"Crank");
  RecordingBody2DLoader* const loader = new RecordingBody2DLoader();
  body->SetLoader(loader);
  EXPECT_EQ(S_OK, body->SetPosition(ZALMathTransformation2D())) << "the current placement: nothing to do";
  EXPECT_EQ(S_FALSE, body->SetPosition(kQuarterTurn)) << "a quarter turn is a move: the loader's Unfix answer";
  EXPECT_EQ(kQuarterTurn, loader->lastMove);
  EXPECT_EQ(S_OK, body->SetPosition(kQuarterTurn)) << "the same placement again is none";
  body->SetPosition(Shift(1, 2) * kQuarterTurn);
  EXPECT_EQ(Shift(1, 2), loader->lastMove) << "the move relative to the old placement";
  EXPECT_EQ(S_FALSE, body->ApplyBody2DLoaderTransfo(kQuarterTurn));
  EXPECT_EQ(Shift(1, 2) * kQuarterTurn, PositionOf(*body)) << "the loader's transformation does not move the body";

  EXPECT_EQ(S_FALSE, body->SetVelocity({1, 0}, 2.0)) << "the loader's answer";
  body->Fix2D();
  body->Fix2D();
  body->SetFix2D(false);
  body->Fix3D();
  body->Unfix3D();
  body->Unfix3D();
  EXPECT_FALSE(body->IsFixed2D());
  EXPECT_FALSE(body->IsFixed3D());
  EXPECT_EQ(S_FALSE, body->ActivateVelocityAndAccelerationComputationForKIN());

  ZALMathVector2D linear, linearAcceleration;
  double angular = 0.0, angularAcceleration = 0.0;
  ZALMathPoint2D at(3, 0), centre;
  unsigned char flag = 0;
  EXPECT_EQ(S_OK, body->GetVelocity(linear, angular, at));
  EXPECT_EQ(ZALMathVector2D(3, 0), linear);
  EXPECT_EQ(S_OK, body->GetVelocityAndAcceleration(linear, angular, linearAcceleration, angularAcceleration, at,
                                                   flag, centre));
  EXPECT_EQ(1, flag);
  EXPECT_EQ(ZALMathPoint2D(4, 5), centre) << "the centre of rotation the loader gives comes back";

  const std::vector<std::string> expected = {"ApplyTransformation", "Unfix", "ApplyTransformation", "Unfix",
                                             "ApplyTransformation", "Unfix", "SetVelocity", "Fix2D", "Unfix2D",
                                             "Fix3D", "Unfix3D", "ActivateForKIN", "ComputeVelocity",
                                             "ComputeVelocityAndAcceleration"};
  EXPECT_EQ(expected, loader->calls);
  ZALMPBody2D::destroy(body);
}

// The fixed flag in space and the placement in space are not written; a
// velocity read is known whatever its value, but only when it was written.
TEST(Body2DPersistence, KeepsThePlanarStateAndKnowsAZeroVelocityButNotTheFixInSpace)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPBody2D> source = ZALMPBody2D::create(L"Crank");
  source->SetPosition(Shift(1, -2) * kQuarterTurn);
  source->SetVelocity({0, 0}, 0.0);
  source->Fix2D();
  source->Fix3D();
  HRESULT written = E_FAIL;
  const std::string document = WriteXml(*source, ZALMPVersion::kNewest, written);
  ASSERT_EQ(S_OK, written);

  RVLSharedHandle<ZALMPBody2D> read = ZALMPBody2D::create();
  read->Fix3D();
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(document).get(), {}));
  EXPECT_EQ(Shift(1, -2) * kQuarterTurn, PositionOf(*read));
  EXPECT_TRUE(read->IsFixed2D());
  EXPECT_TRUE(read->IsFixed3D()) << "reading leaves the fix in space as it was";
  RVLSharedHandle<ZALMPBody2D> fresh = ZALMPBody2D::create();
  ASSERT_EQ(S_OK, fresh->Deserialize(ReadXml(document).get(), {}));
  EXPECT_FALSE(fresh->IsFixed3D()) << "a fix in space does not survive a save";
  ZALMathVector2D linear(9, 9);
  double angular = 9.0;
  EXPECT_EQ(S_OK, fresh->GetVelocity(linear, angular)) << "a zero velocity read is known";
  EXPECT_EQ(ZALMathVector2D(0, 0), linear);
  EXPECT_EQ(0.0, angular);
  EXPECT_EQ(0, reports.Count());

  const std::size_t from = document.find("<Velocity>");
  const std::size_t to = document.find("</Velocity>");
  ASSERT_TRUE(from != std::string::npos && to != std::string::npos);
  std::string without = document;
  without.erase(from, to + std::string("</Velocity>").size() - from);
  RVLSharedHandle<ZALMPBody2D> unknown = ZALMPBody2D::create();
  EXPECT_EQ(S_OK, unknown->Deserialize(ReadXml(without).get(), {}));
  EXPECT_EQ(E_FAIL, unknown->GetVelocity(linear, angular)) << "no velocity written, none known";
  EXPECT_EQ(1, reports.Count()) << "the missing group";
  for (RVLSharedHandle<ZALMPBody2D>* body : {&source, &read, &fresh, &unknown}) ZALMPBody2D::destroy(*body);
}

// The planar lists are link lists as every other; the sensor and the sketch
// answer by the one held.
TEST(Body2DLinks, TheSensorAndTheSketchAnswerByTheStoredOne)
{
  const RVLSharedHandle<ZALMPBody2D> body = ZALMPBody2D::create(L"Crank");
  ReportCapture reports;
  const RVLSharedHandle<ZALMPDisplacementSensor2D> held = ZALMPDisplacementSensor2D::create(L"sensor");
  RVLSharedHandle<ZALMPDisplacementSensor2D> got;
  EXPECT_EQ(E_FAIL, body->GetDisplacementSensor(got));
  body->SetDisplacementSensor(held);
  EXPECT_EQ(E_FAIL, body->RemoveDisplacementSensor(nullptr)) << "unlike a rigid body's";
  EXPECT_EQ(S_FALSE, body->RemoveDisplacementSensor(ZALMPDisplacementSensor2D::create(L"other")));
  EXPECT_EQ(S_OK, body->GetDisplacementSensor(got));
  EXPECT_EQ(S_OK, body->RemoveDisplacementSensor(held));
  EXPECT_EQ(E_FAIL, body->GetDisplacementSensor(got));
  EXPECT_FALSE(got);

  RVLSharedHandle<ZALMPSketch> sketch;
  EXPECT_EQ(E_FAIL, body->GetSketch(sketch));
  EXPECT_EQ(E_FAIL, body->SetSketch(nullptr));
  EXPECT_EQ(2, reports.Count()) << "the empty handles";
}

// Orphaned, the planar body asks its planar partners only; the sketch and the
// rigid body's own links stay.
TEST(Body2DOrphaning, AsksTheSensorAndThePlanarPartnersAndKeepsTheSketch)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPBody2D> body = ZALMPBody2D::create(L"Crank");
  const RVLSharedHandle<ZALMPBody2D> kept = body, child = ZALMPBody2D::create(L"Rod");
  const RVLSharedHandle<ZALMPDisplacementSensor2D> sensor = ZALMPDisplacementSensor2D::create(L"sensor");
  const RVLSharedHandle<ZALMPPoint2D> point = ZALMPPoint2D::create(L"pin");
  const RVLSharedHandle<ZALMPUserDefined2D> joint = ZALMPUserDefined2D::create(L"hinge");
  const RVLSharedHandle<TestShape2D> shape = TestShape2D::create(L"outline");
  const RVLSharedHandle<ZALMPSketch> sketch = ZALMPSketch::create(L"plane");
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
  body->SetSketch(sketch);
  static_cast<ZALMPBody&>(*body).AddGeometry(spatial);
  spatial->SetBody(body);

  ZALMPBody2D::destroy(body);
  RVLSharedHandle<ZALMPBody2D> planar;
  RVLSharedHandle<ZALMPBody> rigid;
  EXPECT_EQ(E_FAIL, point->GetBody(planar));
  EXPECT_EQ(0, joint->GetLinkedBodyCount());
  EXPECT_EQ(0, shape->GetLinkedBodyCount());
  EXPECT_EQ(0, child->GetImpactedChildBodyCount());
  EXPECT_EQ(0, kept->GetGeometryCount() + kept->GetLinkedJointCount() + kept->GetLinkedShapeCount() +
                   kept->GetImpactedChildBodyCount());
  RVLSharedHandle<ZALMPSketch> held;
  EXPECT_EQ(S_OK, kept->GetSketch(held)) << "the sketch stays";
  EXPECT_EQ(S_OK, spatial->GetBody(rigid)) << "a rigid body's partner is not asked";
  EXPECT_EQ(1, static_cast<const ZALMPBody&>(*kept).GetGeometryCount());
  {
    ReportCapture quiet;
    EXPECT_EQ(E_FAIL, sensor->GetBody(planar)) << "the sensor was asked first";
  }
  EXPECT_EQ(0, reports.Count());
  static_cast<ZALMPBody&>(*kept).RemoveGeometry(spatial);
  spatial->RemoveBody(kept);
}

TEST(Body2DUpdatePosition, AccumulatesIntoAnActiveSensorPostsTheNoticeAndLeavesTheChildrenInPlace)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPBody2D> body = ZALMPBody2D::create(L"Crank"), child = ZALMPBody2D::create(L"Rod");
  RVLSharedHandle<ZALMPDisplacementSensor2D> sensor = ZALMPDisplacementSensor2D::create(L"s");
  body->SetDisplacementSensor(sensor);
  body->AddImpactedChildBody(child);
  UpdateCounter bodyNotices(*body), childNotices(*child);

  EXPECT_EQ(S_OK, body->UpdatePosition(ZALMathTransformation2D(), true));
  EXPECT_EQ(0, bodyNotices.count) << "a skipped identity posts nothing";
  body->UpdatePosition(Shift(1, 0), true);
  body->UpdatePosition(kQuarterTurn, true);
  ZALMathTransformation2D displacement;
  sensor->GetDisplacement(displacement);
  EXPECT_EQ(kQuarterTurn * Shift(1, 0), displacement);
  EXPECT_EQ(kQuarterTurn * Shift(1, 0), PositionOf(*body)) << "moves apply on the left";
  EXPECT_EQ(ZALMathTransformation2D(), PositionOf(*child));
  EXPECT_EQ(2, bodyNotices.count);
  EXPECT_EQ(2, childNotices.count) << "each child re-publishes its placement";

  EXPECT_EQ(S_OK, body->Update3DPosition(ZALMathTransformation(), true));
  const ZALMathTransformation lift(ZALMath3x3Matrix(), ZALMathVector(0, 0, 1));
  EXPECT_EQ(S_OK, body->Update3DPosition(lift, true));
  ZALMathTransformation inSpace;
  body->Get3DPosition(inSpace);
  EXPECT_EQ(lift, inSpace);
  EXPECT_EQ(3, bodyNotices.count);

  ZALMPDisplacementSensor2D::destroy(sensor);
  EXPECT_EQ(E_FAIL, body->UpdatePosition(Shift(0, 1), true)) << "a sensor no longer alive";
  EXPECT_EQ(3, bodyNotices.count);
  EXPECT_EQ(1, reports.Count());
  ZALMPBody2D::destroy(body);
  ZALMPBody2D::destroy(child);
}

TEST(Body2DClone, CopiesThePlanarStateWithoutLinksAndWithAnUnknownVelocity)
{
  RVLSharedHandle<ZALMPBody2D> body = ZALMPBody2D::create(L"Crank");
  body->SetVelocity({0, 7}, 8.0);
  body->Fix3D();
  body->SetSketch(ZALMPSketch::create(L"plane"));
  RVLSharedHandle<ZALMPBody2D> copy = ZALMPBody2D::clone(body);
  ASSERT_TRUE(copy);
  EXPECT_TRUE(copy->IsFixed3D());
  RVLSharedHandle<ZALMPSketch> sketch;
  EXPECT_EQ(E_FAIL, copy->GetSketch(sketch));
  ZALMathVector2D linear;
  double angular = 0.0;
  EXPECT_EQ(E_FAIL, copy->GetVelocity(linear, angular)) << "a copy's velocity is not known";
  ZALMPBody2D::destroy(copy);
  ZALMPBody2D::destroy(body);
}

}  // namespace
