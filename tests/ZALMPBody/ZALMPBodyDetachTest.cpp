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

enum class Sensor { None, HoldsTheBody, HoldsAnother, Gone };
enum class Geometry { None, HoldsTheBody, ThenOneGone };
enum class Child { None, ListsTheBody, ListsAnother, ThenOneGone };
using Answer = std::optional<HRESULT>;  // none: no such partner

struct DetachCase {
  const char* what;
  Sensor sensor;
  Geometry geometry;
  Answer joint, shape, connector;
  Child child;
  HRESULT expected;
  const char* asked;  // the partners that were asked to drop the body, in the order of the body's lists
  int reports;
};

// The partners a body has, in the order its detaching is expected to ask them.
const std::vector<DetachCase>& Cases()
{
  const Answer none;
  static const std::vector<DetachCase> cases = {
      {"no partner", Sensor::None, Geometry::None, none, none, none, Child::None, S_OK, "", 0},
      {"every partner drops it", Sensor::HoldsTheBody, Geometry::HoldsTheBody, S_OK, S_OK, S_OK, Child::ListsTheBody,
       S_OK, "sensor geometry joint shape connector child", 0},
      {"the last answer is the result", Sensor::HoldsTheBody, Geometry::HoldsTheBody, S_FALSE, S_FALSE, S_FALSE,
       Child::ListsTheBody, S_OK, "sensor geometry joint shape connector child", 0},
      {"a last S_FALSE is the result", Sensor::HoldsTheBody, Geometry::HoldsTheBody, S_OK, S_OK, S_OK,
       Child::ListsAnother, S_FALSE, "sensor geometry joint shape connector", 0},
      {"a connector last", Sensor::None, Geometry::None, S_OK, none, S_FALSE, Child::None, S_FALSE, "joint connector",
       0},
      {"the sensor alone", Sensor::HoldsAnother, Geometry::None, none, none, none, Child::None, S_FALSE, "", 0},
      {"a sensor no longer alive is reported and passed", Sensor::Gone, Geometry::HoldsTheBody, S_OK, S_OK, S_OK,
       Child::ListsTheBody, S_OK, "geometry joint shape connector child", 1},
      {"a geometry no longer alive stops it", Sensor::HoldsTheBody, Geometry::ThenOneGone, S_OK, S_OK, S_OK,
       Child::ListsTheBody, E_FAIL, "sensor geometry", 1},
      {"a refusing joint stops it", Sensor::HoldsTheBody, Geometry::HoldsTheBody, E_OUTOFMEMORY, E_FAIL, S_OK,
       Child::ListsTheBody, E_OUTOFMEMORY, "sensor geometry joint", 0},
      {"a refusing shape stops it", Sensor::HoldsTheBody, Geometry::HoldsTheBody, S_FALSE, E_FAIL, S_OK,
       Child::ListsTheBody, E_FAIL, "sensor geometry joint shape", 0},
      {"a refusing connector stops it", Sensor::HoldsTheBody, Geometry::HoldsTheBody, S_OK, S_OK, E_NOTIMPL,
       Child::ListsTheBody, E_NOTIMPL, "sensor geometry joint shape connector", 0},
      {"a child no longer alive stops it", Sensor::HoldsTheBody, Geometry::HoldsTheBody, S_OK, S_OK, S_OK,
       Child::ThenOneGone, E_FAIL, "sensor geometry joint shape connector child", 1},
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

TEST(BodyDetach, AsksSensorGeometriesJointsShapesConnectorsAndChildrenInTurnUntilOneFails)
{
  for (const DetachCase& c : Cases()) {
    SCOPED_TRACE(c.what);
    RVLSharedHandle<ProbeBody> body = ProbeBody::create(L"body");
    const RVLSharedHandle<ZALMPBody> another = ZALMPBody::create(L"another");
    RVLSharedHandle<ZALMPDisplacementSensor> sensor = ZALMPDisplacementSensor::create(L"sensor");
    RVLSharedHandle<ZALMPPoint> point = ZALMPPoint::create(L"geometry");
    RVLSharedHandle<ZALMPBody> child = ZALMPBody::create(L"child");
    std::vector<std::string> log;
    std::vector<RVLSharedHandle<ZALMPEntity>> partners;

    if (c.sensor == Sensor::Gone) body->SetDisplacementSensor(Gone<ZALMPDisplacementSensor>(L"gone"));
    if (c.sensor == Sensor::HoldsTheBody || c.sensor == Sensor::HoldsAnother) {
      sensor->SetBody(c.sensor == Sensor::HoldsTheBody ? RVLSharedHandle<ZALMPBody>(body) : another);
      body->SetDisplacementSensor(sensor);
    }
    if (c.geometry != Geometry::None) {
      point->SetBody(body);
      body->AddGeometry(point);
      if (c.geometry == Geometry::ThenOneGone) body->AddGeometry(Gone<ZALMPPoint>(L"gone"));
    }
    auto script = [&](auto partner, const Answer& answer, auto link) {
      if (!answer) return;
      partner->log = &log;
      partner->answer = *answer;
      (body.get()->*link)(partner);
      partners.push_back(partner);
    };
    script(TestJoint::create(L"j"), c.joint, &ZALMPBody::LinkToJoint);
    script(TestShape::create(L"s"), c.shape, &ZALMPBody::LinkToShape);
    script(TestConnector::create(L"c"), c.connector, &ZALMPBody::LinkToConnector);
    if (c.child != Child::None) {
      child->AddImpactedChildBody(c.child == Child::ListsAnother ? another : RVLSharedHandle<ZALMPBody>(body));
      body->AddImpactedChildBody(child);
      if (c.child == Child::ThenOneGone) body->AddImpactedChildBody(Gone<ZALMPBody>(L"gone"));
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
    note(c.child != Child::None && c.child != Child::ListsAnother && child->GetImpactedChildBodyCount() == 0, "child");
    EXPECT_EQ(c.asked, asked);

    RVLSharedHandle<ZALMPDisplacementSensor> kept;
    EXPECT_EQ(E_FAIL, body->GetDisplacementSensor(kept)) << "the sensor link goes in every case";

    ReportCapture quiet;  // tearing down the remaining links reports the partners that are gone
    for (RVLSharedHandle<ZALMPEntity>& partner : partners) ZALMPEntity::destroy(partner);
    ZALMPBody::destroy(child);
    ZALMPPoint::destroy(point);
    ZALMPDisplacementSensor::destroy(sensor);
    ProbeBody::destroy(body);
  }
}

TEST(BodyDetach, DestroyEmptiesAllFiveListsAndTheSensorLinkEvenWhenAPartnerRefuses)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"body");
  const RVLSharedHandle<ZALMPBody> kept = body;
  const RVLSharedHandle<ZALMPDisplacementSensor> sensor = ZALMPDisplacementSensor::create(L"sensor");
  const RVLSharedHandle<ZALMPPoint> point = ZALMPPoint::create(L"geometry");
  const RVLSharedHandle<TestJoint> joint = TestJoint::create(L"joint");
  const RVLSharedHandle<TestShape> shape = TestShape::create(L"shape");
  const RVLSharedHandle<TestConnector> connector = TestConnector::create(L"connector");
  RVLSharedHandle<ZALMPBody> child = ZALMPBody::create(L"child");
  shape->answer = E_FAIL;
  body->SetDisplacementSensor(sensor);
  body->AddGeometry(point);
  body->LinkToJoint(joint);
  body->LinkToShape(shape);
  body->LinkToConnector(connector);
  body->AddImpactedChildBody(child);
  child->AddImpactedChildBody(body);
  // Only the held sensor is dropped; an empty handle is reported but answers S_OK.
  RVLSharedHandle<ZALMPDisplacementSensor> held;
  EXPECT_EQ(S_OK, body->RemoveDisplacementSensor(ZALMPDisplacementSensor::create(L"other")));
  EXPECT_EQ(S_OK, body->RemoveDisplacementSensor(nullptr));
  EXPECT_EQ(S_OK, body->GetDisplacementSensor(held));
  EXPECT_EQ(1, reports.Count());

  ZALMPBody::destroy(body);
  const int counts[] = {kept->GetGeometryCount(), kept->GetLinkedJointCount(), kept->GetLinkedShapeCount(),
                        kept->GetLinkedConnectorCount(), kept->GetImpactedChildBodyCount()};
  for (int list = 0; list < 5; ++list) EXPECT_EQ(0, counts[list]) << "list " << list;
  EXPECT_EQ(E_FAIL, kept->GetDisplacementSensor(held));
  EXPECT_EQ(1, child->GetImpactedChildBodyCount()) << "the refusal stopped the asking before the child";
  EXPECT_EQ(1, reports.Count());
  ZALMPBody::destroy(child);
}

}  // namespace
