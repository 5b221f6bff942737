#include "ZALMPLinkListCheck.h"
#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALMPBody.h>
#include <ZALMPConstraint.h>
#include <ZALMPCylicone.h>
#include <ZALMPCylinder.h>
#include <ZALMPLine.h>
#include <ZALMPTorus.h>

#include <gtest/gtest.h>

namespace {

TEST(GeometryBodyLink, SetGetAndRemoveAnswerByTheStoredBody)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPLine> line = ZALMPLine::create(L"Edge");
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Crank");
  const RVLSharedHandle<ZALMPBody> other = ZALMPBody::create(L"Rod");

  RVLSharedHandle<ZALMPBody> got = other;
  EXPECT_EQ(E_FAIL, line->GetBody(got));
  EXPECT_FALSE(got) << "no body gives an empty output";
  EXPECT_EQ(E_FAIL, line->SetBody(nullptr));

  ASSERT_EQ(S_OK, line->SetBody(body));
  EXPECT_EQ(0, body->GetGeometryCount()) << "the body's own list is the caller's";
  EXPECT_EQ(S_OK, line->GetBody(got));
  EXPECT_TRUE(got == body);

  reports.Clear();
  EXPECT_EQ(S_FALSE, line->RemoveBody(other));
  EXPECT_EQ(S_OK, line->GetBody(got)) << "another body leaves the link alone";
  EXPECT_EQ(E_FAIL, line->RemoveBody(nullptr));
  EXPECT_EQ(1, reports.Count()) << "only the empty handle is a failure";
  EXPECT_EQ(S_OK, line->RemoveBody(body));
  EXPECT_EQ(E_FAIL, line->GetBody(got));
}

TEST(GeometryConstraintLinks, AreAnOrderedUniqueListLinkedOnOneSide)
{
  const RVLSharedHandle<ZALMPTorus> torus = ZALMPTorus::create(L"Ring");
  ExpectLinkListBehaviour<ZALMPGeometry, ZALMPConstraint>(
      *torus, &ZALMPGeometry::LinkToConstraint, &ZALMPGeometry::RemoveConstraint,
      &ZALMPGeometry::GetLinkedConstraintCount, &ZALMPGeometry::GetLinkedConstraint,
      [](const wchar_t* name) { return TestConstraint::create(name); }, "ZALMPGeometry.m/src/ZALMPGeometry");
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  torus->LinkToConstraint(constraint);
  EXPECT_EQ(0, constraint->GetLinkedGeometryCount()) << "no link is made on the constraint's side";
}

TEST(GeometryOrphaning, DetachesFromBodyAndConstraintsAndEmptiesItsList)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPCylinder> cylinder = ZALMPCylinder::create(L"Bore");
  const RVLSharedHandle<ZALMPGeometry> kept = cylinder;
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Block");
  const RVLSharedHandle<ZALMPLine> neighbour = ZALMPLine::create(L"Edge");
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"coaxial");
  body->AddGeometry(cylinder);
  body->AddGeometry(neighbour);
  cylinder->SetBody(body);
  neighbour->SetBody(body);
  constraint->LinkToGeometry(cylinder);
  cylinder->LinkToConstraint(constraint);

  ZALMPCylinder::destroy(cylinder);
  EXPECT_FALSE(cylinder);
  RVLSharedHandle<ZALMPBody> got;
  EXPECT_EQ(E_FAIL, kept->GetBody(got));
  EXPECT_EQ(0, kept->GetLinkedConstraintCount());
  EXPECT_EQ(0, constraint->GetLinkedGeometryCount());
  ASSERT_EQ(1, body->GetGeometryCount()) << "only the orphaned geometry leaves its body";
  RVLSharedHandle<ZALMPGeometry> remaining;
  body->GetGeometry(0, remaining);
  EXPECT_TRUE(remaining == neighbour);
  EXPECT_TRUE(body.IsAlive());
  EXPECT_EQ(0, reports.Count());

  ZALMPBody::destroy(body);
  EXPECT_EQ(E_FAIL, neighbour->GetBody(got)) << "the body's orphaning detaches its geometries";
}

TEST(GeometryOrphaning, AConstraintNoLongerAliveStopsTheWalk)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPLine> line = ZALMPLine::create(L"Edge");
  RVLSharedHandle<TestConstraint> gone = TestConstraint::create(L"gone");
  const RVLSharedHandle<TestConstraint> after = TestConstraint::create(L"after");
  const RVLSharedHandle<ZALMPConstraint> goneKept = gone;
  TestConstraint::destroy(gone);
  line->LinkToConstraint(goneKept);
  line->LinkToConstraint(after);
  after->LinkToGeometry(line);

  line->orphanObject();
  EXPECT_EQ(1, reports.Count());
  EXPECT_EQ(1, after->GetLinkedGeometryCount()) << "constraints after the failing one keep their link";
  EXPECT_EQ(0, line->GetLinkedConstraintCount()) << "the list is emptied all the same";
  after->orphanObject();
}

TEST(GeometryClone, CarriesTheScalarsOnlyAndIsIndependent)
{
  const RVLSharedHandle<ZALMPCylicone> source = ZALMPCylicone::create(L"Taper");
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Shaft");
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"c");
  source->SetOrigin({1.0, 2.0, 3.0});
  source->SetAxis({0.0, 0.0, 1.0});
  source->SetAngle(0.25);
  source->SetRadius(4.5);
  source->SetBody(body);
  source->LinkToConstraint(constraint);

  const RVLSharedHandle<ZALMPCylicone> copy = ZALMPCylicone::clone(source);
  ASSERT_TRUE(copy);
  EXPECT_EQ(L"Taper", copy->getEntityName());
  double angle = 0.0;
  double radius = 0.0;
  ZALMathPoint origin(9.0, 9.0, 9.0);
  ZALMathVector axis;
  copy->GetAngle(angle);
  copy->GetRadius(radius);
  copy->GetOrigin(origin);
  copy->GetAxis(axis);
  EXPECT_EQ(0.25, angle);
  EXPECT_EQ(4.5, radius);
  EXPECT_EQ(ZALMathPoint(), origin) << "points start at their defaults";
  EXPECT_EQ(ZALMathVector(1.0, 0.0, 0.0), axis) << "directions start at their defaults";
  RVLSharedHandle<ZALMPBody> got;
  EXPECT_EQ(E_FAIL, copy->GetBody(got));
  EXPECT_EQ(0, copy->GetLinkedConstraintCount());

  copy->SetRadius(7.0);
  source->GetRadius(radius);
  EXPECT_EQ(4.5, radius) << "the source does not follow its copy";
}

}  // namespace
