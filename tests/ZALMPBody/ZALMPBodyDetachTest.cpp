// How a body leaves its partners when it is orphaned: whom it asks, in which
// order, what it answers, and what it keeps.

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALMPDisplacementSensor.h>
#include <ZALMPPoint.h>

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
