// The rigid body: what its loader hears, how it follows its host body, how it
// propagates moves, what a copy keeps, how it reads its element, and how it
// leaves its partners when it is orphaned: whom it asks, in which order, what
// it answers, and what it keeps. What it writes at each version, and that
// every field and link comes back, is pinned by the kind conformance test.

#include "ZALMPBodyTestLoader.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPBody.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPPoint.h>
#include <ZALMPVersion.h>

#include <RVLBasicBody3D.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// A body whose detaching step can be run and answered on its own.
class ProbeBody : public ZALMPBody {
  ZALMP_DECLARE_CLASS(ProbeBody, ZALMPBody);
  ZALMP_DECLARE_CONCRETE(ProbeBody);

public:
  using ZALMPBody::RemoveParent;

protected:
  ProbeBody() = default;
  ProbeBody(const ProbeBody& source) : ZALMPBody(source) {}
};

}  // namespace

ZALMP_DEFINE_CLASS_WITH_ID(ProbeBody, ZALMPBody, "0E0E0E0E-0000-4000-8000-0000000000C0", nullptr);

namespace {

ZALMathTransformation Shift(double x, double y, double z)
{
  return ZALMathTransformation(ZALMath3x3Matrix(), ZALMathVector(x, y, z));
}

// A quarter turn about z, with exact coefficients.
const ZALMathTransformation kQuarterTurn(ZALMath3x3Matrix({0, 1, 0}, {-1, 0, 0}, {0, 0, 1}));

template <class Placed>
ZALMathTransformation PositionOf(const Placed& placed)
{
  ZALMathTransformation position;
  placed.GetPosition(position);
  return position;
}

TEST(BodyLoader, HearsOfVelocitiesFixChangesAndMovesButNotOfNoOps)
{
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Crank");
  ZALMathVector linear, angular, linearAcceleration, angularAcceleration;
  RecordingBodyLoader* const loader = new RecordingBodyLoader();
  body->SetLoader(loader);
  EXPECT_EQ(S_FALSE, body->SetVelocity(ZALMathVector(1, 0, 0), ZALMathVector())) << "the loader's answer";
  body->Fix();
  body->Fix();
  body->SetFix(false);
  body->Unfix();
  EXPECT_EQ(S_OK, body->SetPosition(ZALMathTransformation(), 1)) << "the current placement: nothing to do";
  EXPECT_EQ(S_FALSE, body->SetPosition(Shift(1, 0, 0), 0)) << "the loader's Unfix answer";
  EXPECT_EQ(S_OK, body->SetPosition(Shift(3, 0, 0), 1));
  EXPECT_EQ(Shift(2, 0, 0), loader->lastTransformation) << "the move relative to the old placement";
  EXPECT_EQ(S_FALSE, body->ApplyBodyLoaderTransfo(kQuarterTurn));
  EXPECT_EQ(Shift(3, 0, 0), PositionOf(*body)) << "the loader's transformation does not move the body";

  ZALMathPoint at(2, 0, 0);
  EXPECT_EQ(S_OK, body->GetVelocity(linear, angular, at));
  EXPECT_EQ(ZALMathVector(2, 0, 0), linear);
  at = ZALMathPoint(5, 0, 0);
  EXPECT_EQ(S_OK, body->GetVelocityAndAcceleration(linear, angular, linearAcceleration, angularAcceleration, at,
                                                   ZALMPBody::AtBodyOrigin, nullptr, nullptr, nullptr));
  EXPECT_EQ(ZALMathVector(5, 0, 0), linearAcceleration);
  EXPECT_EQ(ZALMathVector(2, 0, 0), linear) << "the velocity computed before was stored";

  const std::vector<std::string> expected = {"SetVelocity", "Fix", "Unfix", "ApplyTransformation", "Unfix",
                                             "ApplyTransformation", "Unfix", "ApplyTransformation", "Unfix",
                                             "ComputeVelocity", "ComputeVelocityAndAcceleration"};
  EXPECT_EQ(expected, loader->calls);
  ZALMPBody::destroy(body);
}

TEST(BodyHostBinding, TheHostBodyGivesPlacementNameAndFloatingStatusAndFollowsMoves)
{
  RVLSharedHandle<RVLBasicBody3D> host = RVLBasicBody3D::create(L"0123456789abcdefghCrank---IN_WORK");
  host->setFloating(true);
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"before");
  EXPECT_EQ(S_FALSE, body->SetWDMBody(nullptr));
  EXPECT_EQ(S_OK, body->SetWDMBody(host));
  EXPECT_EQ(L"Crank", body->getEntityName());

  // Reads come from the host body; moves reach it only when pushed.
  host->SetPosition(Shift(5, 0, 0));
  EXPECT_EQ(Shift(5, 0, 0), PositionOf(*body));
  body->SetPosition(Shift(7, 0, 0), 0);
  EXPECT_EQ(Shift(5, 0, 0), PositionOf(*host));
  body->SetPosition(Shift(8, 0, 0), 1);
  EXPECT_EQ(Shift(8, 0, 0), PositionOf(*host));
  host->setFloating(false);
  body->SetFloating(false);
  EXPECT_TRUE(host->isFloating()) << "the status recorded at binding comes back";

  // A name shorter than the host's prefix leaves nothing.
  RVLSharedHandle<ZALMPBody> child = ZALMPBody::create(L"x");
  child->SetWDMBody(RVLBasicBody3D::create(L"Rod"));
  EXPECT_EQ(L"", child->getEntityName());
  body->AddBody(child);
  EXPECT_EQ(1, host->getLogicalChildCount()) << "the child's host body became a sub-body";
  ZALMPBody::destroy(child);
  ZALMPBody::destroy(body);
  RVLBasicBody3D::destroy(host);
}

TEST(BodyUpdatePosition, AccumulatesIntoAnActiveSensorAndPostsTheUpdateNotice)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Crank"), child = ZALMPBody::create(L"Rod");
  RVLSharedHandle<ZALMPDisplacementSensor> sensor = ZALMPDisplacementSensor::create(L"s");
  RVLSharedHandle<RVLBasicBody3D> childHost = RVLBasicBody3D::create(L"Rod");
  body->SetDisplacementSensor(sensor);
  child->SetWDMBody(childHost);
  childHost->SetPosition(Shift(0, 0, 9));
  body->AddImpactedChildBody(child);
  UpdateCounter bodyNotices(*body), childNotices(*child);

  EXPECT_EQ(S_OK, body->UpdatePosition(ZALMathTransformation(), true));
  EXPECT_EQ(0, bodyNotices.count) << "a skipped identity posts nothing";
  EXPECT_EQ(S_OK, body->UpdatePosition(ZALMathTransformation(), false));
  EXPECT_EQ(1, bodyNotices.count);
  EXPECT_EQ(1, childNotices.count);
  EXPECT_EQ(ZALMathTransformation(), PositionOf(*childHost)) << "the child re-pushes its own placement";

  body->UpdatePosition(Shift(1, 0, 0), true);
  body->UpdatePosition(kQuarterTurn, true);
  ZALMathTransformation displacement;
  sensor->GetDisplacement(displacement);
  EXPECT_EQ(kQuarterTurn * Shift(1, 0, 0), displacement);
  EXPECT_EQ(kQuarterTurn * Shift(1, 0, 0), PositionOf(*body)) << "changes apply on the left";
  EXPECT_EQ(ZALMathTransformation(), PositionOf(*child)) << "children do not move";

  sensor->Deactivate();
  body->UpdatePosition(Shift(0, 1, 0), true);
  sensor->GetDisplacement(displacement);
  EXPECT_EQ(kQuarterTurn * Shift(1, 0, 0), displacement) << "an inactive sensor keeps its displacement";
  EXPECT_EQ(4, bodyNotices.count) << "but the notice is posted";

  // A sensor that is no longer alive fails the update without a notice.
  ZALMPDisplacementSensor::destroy(sensor);
  EXPECT_EQ(E_FAIL, body->UpdatePosition(Shift(0, 1, 0), true));
  EXPECT_EQ(4, bodyNotices.count);
  EXPECT_EQ(1, reports.Count());
  ZALMPBody::destroy(body);
  ZALMPBody::destroy(child);
  RVLBasicBody3D::destroy(childHost);
}

// That a copy and its original are independent is the kind conformance test's.
TEST(BodyClone, CopiesTheStateButNotTheKnowledgeOfTheVelocity)
{
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Crank");
  body->SetPosition(Shift(1, 0, 0), 1);
  body->SetVelocity(ZALMathVector(0, 7, 0), ZALMathVector(0, 0, 8));
  RVLSharedHandle<ZALMPBody> copy = ZALMPBody::clone(body);
  ASSERT_TRUE(copy);
  EXPECT_EQ(Shift(1, 0, 0), PositionOf(*copy));
  ZALMathVector linear, angular;
  ZALMathPoint at;
  EXPECT_EQ(E_FAIL, copy->GetVelocity(linear, angular)) << "a copy's velocity is not known";
  copy->GetVelocity(linear, angular, at);
  EXPECT_EQ(ZALMathVector(0, 7, 0), linear) << "but the vectors are copied";
}

// Out of the world is read from R2016.1 on, fixed only for the text "yes", the
// velocity is known only once a component is positive, and the placement goes
// through SetPosition, so that a bound host body follows.
TEST(BodyPersistence, ReadingGatesOutOfWorldOnTheVersionAndKnowsOnlyYesAndAPositiveVelocity)
{
  ReportCapture reports;
  const ZALMathTransformation placement(ZALMath3x3Matrix({0, 1, 0}, {-1, 0, 0}, {0, 0, 1}), ZALMathVector(1, -2, 0.5));
  RVLSharedHandle<ZALMPBody> source = ZALMPBody::create(L"Crank");
  source->SetOutOfWorld(true);
  source->Fix();
  source->SetPosition(placement, 1);
  source->SetVelocity(ZALMathVector(-1, 0, 0), ZALMathVector(0, -3, 0));
  HRESULT written = E_FAIL;
  const std::string document = WriteXml(*source, ZALMPVersion::kR2016_1, written);
  const struct {
    const char* what;
    std::string document;
    bool outOfWorld, fixed, velocityKnown;
  } cases[] = {
      {"as written", document, true, true, false},
      {"labelled older", Replaced(document, "\"R2016.1\"", "\"R2016.0\""), false, true, false},
      {"fixed in capitals", Replaced(document, "is_fixed=\"yes\"", "is_fixed=\"YES\""), true, false, false},
      {"a positive linear component", Replaced(document, "<Vx>-1</Vx>", "<Vx>1</Vx>"), true, true, true},
      {"a positive angular component", Replaced(document, "<Vy>-3</Vy>", "<Vy>0.5</Vy>"), true, true, true},
  };
  for (const auto& c : cases) {
    RVLSharedHandle<ZALMPBody> read = ZALMPBody::create();
    RVLSharedHandle<RVLBasicBody3D> host = RVLBasicBody3D::create(L"host");
    read->SetWDMBody(host);
    read->Fix();
    EXPECT_EQ(S_OK, read->Deserialize(ReadXml(c.document).get(), {})) << c.what;
    bool outOfWorld = !c.outOfWorld;
    read->IsOutOfWorld(outOfWorld);
    EXPECT_EQ(c.outOfWorld, outOfWorld) << c.what;
    EXPECT_EQ(c.fixed, read->IsFixed()) << c.what;
    ZALMathVector linear, angular;
    EXPECT_EQ(c.velocityKnown ? S_OK : E_FAIL, read->GetVelocity(linear, angular)) << c.what;
    ZALMathTransformation hostPlacement;
    host->GetPosition(hostPlacement);
    EXPECT_EQ(placement, hostPlacement) << c.what;
    ZALMPBody::destroy(read);
    RVLBasicBody3D::destroy(host);
  }
  EXPECT_EQ(0, reports.Count());

  ZALMPXmlWriter empty;
  EXPECT_EQ(E_FAIL, source->Deserialize(ReadBack(empty).get(), {})) << "no Body element";
  EXPECT_EQ(E_FAIL, source->Deserialize(nullptr, {}));
  EXPECT_EQ(E_FAIL, source->Serialize(nullptr));
  EXPECT_EQ(3, reports.Count());
  ZALMPBody::destroy(source);
}

enum class Sensor { HoldsTheBody, HoldsAnother, Gone };
enum class Geometry { None, HoldsTheBody, ThenOneGone };
using Answer = std::optional<HRESULT>;  // none: no such partner

struct DetachCase {
  const char* what;
  Sensor sensor;
  Geometry geometry;
  Answer joint;  // a shape and a connector come with a joint, and drop the body
  Answer child;  // S_OK: a child that lists the body; S_FALSE: one that lists another
  HRESULT expected;
  const char* asked;  // the partners that were asked to drop the body, in the order of the body's lists
  int reports;
};

// One row per rule: the order, the answer returned, a partner no longer alive
// (passed when single, stopping in a list) and a refusal that stops the asking.
const std::vector<DetachCase>& Cases()
{
  const Answer none;
  const char* const all = "sensor geometry joint shape connector child";
  static const std::vector<DetachCase> cases = {
      {"every partner drops it", Sensor::HoldsTheBody, Geometry::HoldsTheBody, S_OK, S_OK, S_OK, all, 0},
      {"the last answer is the result", Sensor::HoldsTheBody, Geometry::HoldsTheBody, S_FALSE, S_OK, S_OK, all, 0},
      {"a last S_FALSE is the result", Sensor::HoldsTheBody, Geometry::HoldsTheBody, S_OK, S_FALSE, S_FALSE,
       "sensor geometry joint shape connector", 0},
      {"the sensor alone", Sensor::HoldsAnother, Geometry::None, none, none, S_FALSE, "", 0},
      {"a sensor no longer alive is reported and passed", Sensor::Gone, Geometry::HoldsTheBody, S_OK, S_OK, S_OK,
       "geometry joint shape connector child", 1},
      {"a geometry no longer alive stops it", Sensor::HoldsTheBody, Geometry::ThenOneGone, S_OK, S_OK, E_FAIL,
       "sensor geometry", 1},
      {"a refusing joint stops it", Sensor::HoldsTheBody, Geometry::HoldsTheBody, E_OUTOFMEMORY, S_OK, E_OUTOFMEMORY,
       "sensor geometry joint", 0},
  };
  return cases;
}

template <class T>
RVLSharedHandle<T> Gone(const wchar_t* name)
{
  RVLSharedHandle<T> made = T::create(name);
  const RVLSharedHandle<T> kept = made;
  T::destroy(made);
  return kept;
}

// Orphaning asks the partners (RemoveParent); destroying then empties every
// list and drops the sensor, even after a refusal.
TEST(BodyDetach, AsksSensorGeometriesJointsShapesConnectorsAndChildrenInTurnUntilOneFails)
{
  for (const DetachCase& c : Cases()) {
    SCOPED_TRACE(c.what);
    RVLSharedHandle<ProbeBody> body = ProbeBody::create(L"body");
    const RVLSharedHandle<ZALMPBody> kept = body, another = ZALMPBody::create(L"another");
    RVLSharedHandle<ZALMPDisplacementSensor> sensor = ZALMPDisplacementSensor::create(L"sensor");
    RVLSharedHandle<ZALMPPoint> point = ZALMPPoint::create(L"geometry");
    RVLSharedHandle<ZALMPBody> child = ZALMPBody::create(L"child");
    std::vector<std::string> log;
    std::vector<RVLSharedHandle<ZALMPEntity>> partners = {sensor, point, child};

    if (c.sensor == Sensor::Gone) body->SetDisplacementSensor(Gone<ZALMPDisplacementSensor>(L"gone"));
    if (c.sensor == Sensor::HoldsTheBody || c.sensor == Sensor::HoldsAnother) {
      sensor->SetBody(c.sensor == Sensor::HoldsTheBody ? kept : another);
      body->SetDisplacementSensor(sensor);
    }
    if (c.geometry != Geometry::None) {
      point->SetBody(body);
      body->AddGeometry(point);
      if (c.geometry == Geometry::ThenOneGone) body->AddGeometry(Gone<ZALMPPoint>(L"gone"));
    }
    auto script = [&](auto partner, auto link) {
      partner->log = &log;
      partner->answer = partners.size() == 3 ? *c.joint : S_OK;  // the joint, then the shape and the connector
      (body.get()->*link)(partner);
      partners.push_back(partner);
    };
    if (c.joint) {
      script(TestJoint::create(L"j"), &ZALMPBody::LinkToJoint);
      script(TestShape::create(L"s"), &ZALMPBody::LinkToShape);
      script(TestConnector::create(L"c"), &ZALMPBody::LinkToConnector);
    }
    if (c.child) {
      child->AddImpactedChildBody(*c.child == S_OK ? kept : another);
      body->AddImpactedChildBody(child);
    }

    HRESULT status = S_OK;
    {
      ReportCapture reports;
      status = body->RemoveParent();
      EXPECT_EQ(c.reports, reports.Count());
      for (const std::string& file : reports.Files()) EXPECT_EQ("ZALMPBody.m/src/ZALMPBody", file);
    }
    EXPECT_EQ(c.expected, status);

    // Who was asked, as the partners show it.
    std::string asked;
    RVLSharedHandle<ZALMPBody> held;
    auto note = [&asked](bool wasAsked, const std::string& who) {
      if (wasAsked) asked += (asked.empty() ? "" : " ") + who;
    };
    {
      ReportCapture quiet;  // a sensor without a body reports when asked for it
      note(c.sensor == Sensor::HoldsTheBody && FAILED(sensor->GetBody(held)), "sensor");
    }
    note(c.geometry != Geometry::None && FAILED(point->GetBody(held)), "geometry");
    for (const std::string& who : log) note(true, who);
    note(c.child == S_OK && child->GetImpactedChildBodyCount() == 0, "child");
    EXPECT_EQ(c.asked, asked);
    RVLSharedHandle<ZALMPDisplacementSensor> heldSensor;
    EXPECT_EQ(E_FAIL, body->GetDisplacementSensor(heldSensor)) << "the sensor link goes in every case";

    ReportCapture quiet;  // tearing down the remaining links reports the partners that are gone
    ProbeBody::destroy(body);
    const int counts[] = {kept->GetGeometryCount(), kept->GetLinkedJointCount(), kept->GetLinkedShapeCount(),
                          kept->GetLinkedConnectorCount(), kept->GetImpactedChildBodyCount()};
    for (int list = 0; list < 5; ++list) EXPECT_EQ(0, counts[list]) << "list " << list << " after destroy";
    for (RVLSharedHandle<ZALMPEntity>& partner : partners) ZALMPEntity::destroy(partner);
  }
}

// Removing the held sensor is met when an orphaned sensor leaves its body
// (DisplacementSensor tests).
TEST(BodyDetach, RemovingAnotherSensorKeepsTheHeldOneAndAnEmptyHandleIsReportedButAnswersS_OK)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"body");
  RVLSharedHandle<ZALMPDisplacementSensor> held = ZALMPDisplacementSensor::create(L"sensor");
  body->SetDisplacementSensor(held);
  EXPECT_EQ(S_OK, body->RemoveDisplacementSensor(ZALMPDisplacementSensor::create(L"other")));
  EXPECT_EQ(S_OK, body->RemoveDisplacementSensor(nullptr));
  EXPECT_EQ(S_OK, body->GetDisplacementSensor(held));
  EXPECT_EQ(1, reports.Count());
}

}  // namespace
