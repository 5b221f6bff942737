// Geometries in space and in the plane: the body link, whom a geometry asks to
// drop it when orphaned, what a copy keeps, and how geometries read their
// elements. What each kind writes (the planar common part included), and that
// every field and link comes back at every version, is pinned by the kind
// conformance test.

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPBody.h>
#include <ZALMPBody2D.h>
#include <ZALMPCircle.h>
#include <ZALMPCylicone.h>
#include <ZALMPCylinder.h>
#include <ZALMPEllipse.h>
#include <ZALMPLine.h>
#include <ZALMPLine2D.h>
#include <ZALMPPoint.h>
#include <ZALMPSketch.h>
#include <ZALMPTorus.h>

#include <RVLEInvalidCast.h>
#include <ZALMathPlane.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(GeometryBodyLink, SetGetAndRemoveAnswerByTheStoredBody)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPLine> line = ZALMPLine::create(L"Edge");
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Crank"), other = ZALMPBody::create(L"Rod");
  RVLSharedHandle<ZALMPBody> got = other;
  EXPECT_EQ(E_FAIL, line->GetBody(got));
  EXPECT_FALSE(got) << "no body gives an empty output";
  EXPECT_EQ(E_FAIL, line->SetBody(nullptr));

  ASSERT_EQ(S_OK, line->SetBody(body));
  EXPECT_EQ(0, body->GetGeometryCount()) << "the body's own list is the caller's";
  reports.Clear();
  EXPECT_EQ(S_FALSE, line->RemoveBody(other));
  EXPECT_EQ(S_OK, line->GetBody(got)) << "another body leaves the link alone";
  EXPECT_EQ(E_FAIL, line->RemoveBody(nullptr));
  EXPECT_EQ(std::vector<std::string>{"ZALMPGeometry.m/src/ZALMPGeometry"}, reports.Files())
      << "only the empty handle is a failure";
  EXPECT_EQ(S_OK, line->RemoveBody(body));
  EXPECT_EQ(E_FAIL, line->GetBody(got));
}

// Orphaned, a geometry asks its body and its constraints, and a planar one its
// planar body; it lets its sketch go unasked. How orphaning stops at a partner
// no longer alive, and empties the lists all the same, is the link table's,
// checked on a body (BodyDetach).
TEST(GeometryOrphaning, AsksTheBodyAndTheConstraintsAndLetsTheSketchGo)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPCylinder> cylinder = ZALMPCylinder::create(L"Bore");
  RVLSharedHandle<ZALMPLine2D> line = ZALMPLine2D::create(L"Edge");
  const RVLSharedHandle<ZALMPGeometry> keptCylinder = cylinder;
  const RVLSharedHandle<ZALMPLine2D> keptLine = line;
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Block");
  const RVLSharedHandle<ZALMPBody2D> planar = ZALMPBody2D::create(L"Crank");
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"coaxial");
  body->AddGeometry(cylinder);
  cylinder->SetBody(body);
  planar->AddGeometry(line);
  line->SetBody(planar);
  line->SetSketch(ZALMPSketch::create(L"Plane"));
  for (const RVLSharedHandle<ZALMPGeometry>& geometry : RVLSharedVector<ZALMPGeometry>{cylinder, line}) {
    constraint->LinkToGeometry(geometry);
    geometry->LinkToConstraint(constraint);
  }

  ZALMPCylinder::destroy(cylinder);
  ZALMPLine2D::destroy(line);
  RVLSharedHandle<ZALMPBody> got;
  RVLSharedHandle<ZALMPBody2D> gotPlanar;
  RVLSharedHandle<ZALMPSketch> held;
  EXPECT_EQ(E_FAIL, keptCylinder->GetBody(got));
  EXPECT_EQ(E_FAIL, keptLine->GetBody(gotPlanar));
  EXPECT_EQ(E_FAIL, keptLine->GetSketch(held));
  EXPECT_EQ(0, body->GetGeometryCount() + planar->GetGeometryCount() + constraint->GetLinkedGeometryCount());
  EXPECT_EQ(0, keptCylinder->GetLinkedConstraintCount() + keptLine->GetLinkedConstraintCount());
  EXPECT_EQ(0, reports.Count());
}

// A copy carries the numbers its kind marks so and leaves points and
// directions at their defaults; every kind, in space and in the plane, is
// defined through the same rows. Links are never copied, and that a copy and
// its source are independent is the kind conformance test's.
TEST(GeometryClone, CarriesTheMarkedNumbersOnly)
{
  const RVLSharedHandle<ZALMPCylicone> source = ZALMPCylicone::create(L"Taper");
  source->SetAxis({0.0, 0.0, 1.0});
  source->SetAngle(0.25);
  const RVLSharedHandle<ZALMPCylicone> copy = ZALMPCylicone::clone(source);
  double angle = 0.0;
  ZALMathVector axis;
  copy->GetAngle(angle);
  copy->GetAxis(axis);
  EXPECT_EQ(0.25, angle);
  EXPECT_EQ(ZALMathVector(1.0, 0.0, 0.0), axis) << "a direction starts at its default";
}

// Centre, normal and radius come back (kind conformance test); the directions
// in the circle's plane are not stored.
TEST(GeometryLayout, ACircleTakesTheDirectionsOfThePlaneOfItsNormal)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPCircle> source = ZALMPCircle::create(L"Rim"), read = ZALMPCircle::create(L"");
  ZALMathCircle circle, got;
  ASSERT_EQ(S_OK, circle.Set({1.0, 2.0, 3.0}, {0.0, 1.0, 0.0}, {-1.0, 0.0, 0.0}, 2.5, 1.0, 0.0));
  source->SetCircle(circle);
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(WrittenXml(*source)).get(), {}));
  read->GetCircle(got);
  ZALMathVector first, second, planeFirst, planeSecond;
  got.GetDirections(first, second);
  ZALMathPlane({1.0, 2.0, 3.0}, circle.GetNormal()).GetDirections(planeFirst, planeSecond);
  EXPECT_EQ(planeFirst, first) << "the plane's, not the stored (0, 1, 0)";
  EXPECT_EQ(planeSecond, second);
  EXPECT_EQ(0, reports.Count());
}

// Every direction field is read through one field kind; the ellipse has two.
TEST(GeometryLayout, DirectionsAreMadeUnitVectorsOnReading)
{
  ReportCapture reports;
  // Scaled to unit length; a zero vector reads as the x direction.
  const std::pair<ZALMathVector, ZALMathVector> cases[] = {{{0.0, -3.0, 4.0}, {0.0, -0.6, 0.8}},
                                                           {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}}};
  for (const auto& [stored, unit] : cases) {
    const RVLSharedHandle<ZALMPEllipse> source = ZALMPEllipse::create(L"Orbit"), read = ZALMPEllipse::create(L"");
    source->SetNormal(stored);
    source->SetMajorDirection(stored);
    EXPECT_EQ(S_OK, read->Deserialize(ReadXml(WrittenXml(*source)).get(), {}));
    ZALMathVector normal, major;
    read->GetNormal(normal);
    read->GetMajorDirection(major);
    EXPECT_EQ(std::make_pair(unit, unit), std::make_pair(normal, major)) << stored.GetZ();
  }
  EXPECT_EQ(0, reports.Count());
}

TEST(GeometryLayout, MissingNumbersReadAsZeroButMissingElementsFail)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPTorus> torus = ZALMPTorus::create(L"Ring");
  torus->SetMinorRadius(0.5);
  const std::string text = WrittenXml(*torus);

  const RVLSharedHandle<ZALMPTorus> read = ZALMPTorus::create(L"");
  read->SetMinorRadius(9.0);
  const std::string withoutMinor = std::regex_replace(text, std::regex("<minor_radius>[^<]*</minor_radius>"), "");
  EXPECT_EQ(S_OK, read->Deserialize(ReadXml(withoutMinor).get(), {}));
  double minor = 1.0;
  read->GetMinorRadius(minor);
  EXPECT_EQ(0.0, minor);
  EXPECT_EQ(std::vector<std::string>{"ZALMPGeometry.m/src/ZALMPTorus"}, reports.Files());

  // A kind reads only its own element, and needs its "Coordinates".
  reports.Clear();
  EXPECT_EQ(E_FAIL, ZALMPCylinder::create(L"")->Deserialize(ReadXml(text).get(), {}));
  const std::string bare = std::regex_replace(text, std::regex("<Coordinates>[\\s\\S]*</Coordinates>"), "");
  EXPECT_EQ(E_FAIL, ZALMPTorus::create(L"")->Deserialize(ReadXml(bare).get(), {}));
  EXPECT_EQ(E_FAIL, ZALMPTorus::create(L"")->Deserialize(nullptr, {}));
  EXPECT_EQ(E_FAIL, torus->Serialize(nullptr));
  EXPECT_EQ(4, reports.Count());
}

// Reading references is the link table's (entity tests); here a single link,
// the body (a planar geometry's planar body is read alike).
TEST(GeometryLayout, ABodyReferenceResolvesOnlyThroughTheMapAndOnlyToABody)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Carrier");
  const RVLSharedHandle<ZALMPPoint> point = ZALMPPoint::create(L"Tip");
  point->SetBody(body);
  const auto tree = ReadXml(WrittenXml(*point));
  EXPECT_EQ(S_OK, ZALMPPoint::create(L"")->Deserialize(tree.get(), {}));
  EXPECT_EQ(0, reports.Count()) << "an identifier the map does not hold is skipped";
  std::wstring id;
  body->GetIdentifier(id);
  const ZALMPIdentifierMap wrongKind = {{id, TestConstraint::create(L"c")}};
  EXPECT_THROW(ZALMPPoint::create(L"")->Deserialize(tree.get(), wrongKind), RVLEInvalidCast);
}

}  // namespace
