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

// How orphaning stops at a partner no longer alive, and empties the lists all
// the same, is the link table's, checked on a body (BodyDetach).
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
  constraint->LinkToGeometry(cylinder);
  cylinder->LinkToConstraint(constraint);

  ZALMPCylinder::destroy(cylinder);
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
}

// That a copy and its source are independent is the kind conformance test's.
TEST(GeometryClone, CarriesTheScalarsOnly)
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
  double angle = 0.0, radius = 0.0;
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
}

}  // namespace
