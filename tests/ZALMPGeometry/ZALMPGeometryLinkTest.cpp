#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALMPBody.h>
#include <ZALMPConstraint.h>
#include <ZALMPCylicone.h>
#include <ZALMPCylinder.h>
#include <ZALMPLine.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  reports.Clear();
  EXPECT_EQ(S_FALSE, line->RemoveBody(other));
  EXPECT_EQ(S_OK, line->GetBody(got)) << "another body leaves the link alone";
  EXPECT_EQ(E_FAIL, line->RemoveBody(nullptr));
  EXPECT_EQ(std::vector<std::string>{"ZALMPGeometry.m/src/ZALMPGeometry"}, reports.Files())
      << "only the empty handle is a failure";
  EXPECT_EQ(S_OK, line->RemoveBody(body));
  EXPECT_EQ(E_FAIL, line->GetBody(got));
}

// How orphaning stops at a partner no longer alive, and empties the lists all
// the same, is the link table's, checked on a body (BodyDetach).
TEST(GeometryOrphaning, DetachesFromBodyAndConstraintsAndEmptiesItsList)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPCylinder> cylinder = ZALMPCylinder::create(L"Bore");
  const RVLSharedHandle<ZALMPGeometry> kept = cylinder;
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Block");
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"coaxial");
  body->AddGeometry(cylinder);
  cylinder->SetBody(body);
  constraint->LinkToGeometry(cylinder);
  cylinder->LinkToConstraint(constraint);

  ZALMPCylinder::destroy(cylinder);
  RVLSharedHandle<ZALMPBody> got;
  EXPECT_EQ(E_FAIL, kept->GetBody(got));
  EXPECT_EQ(0, kept->GetLinkedConstraintCount());
  EXPECT_EQ(0, constraint->GetLinkedGeometryCount());
  EXPECT_EQ(0, body->GetGeometryCount());
  EXPECT_EQ(0, reports.Count());
  ZALMPBody::destroy(body);
}

// That a copy and its source are independent is the kind conformance test's.
TEST(GeometryClone, CarriesTheScalarsOnly)
{
  const RVLSharedHandle<ZALMPCylicone> source = ZALMPCylicone::create(L"Taper");
  source->SetAxis({0.0, 0.0, 1.0});
  source->SetAngle(0.25);
  source->SetBody(ZALMPBody::create(L"Shaft"));
  source->LinkToConstraint(TestConstraint::create(L"c"));

  const RVLSharedHandle<ZALMPCylicone> copy = ZALMPCylicone::clone(source);
  ASSERT_TRUE(copy);
  double angle = 0.0;
  ZALMathVector axis;
  copy->GetAngle(angle);
  copy->GetAxis(axis);
  EXPECT_EQ(0.25, angle);
  EXPECT_EQ(ZALMathVector(1.0, 0.0, 0.0), axis) << "a direction starts at its default";
  RVLSharedHandle<ZALMPBody> got;
  EXPECT_EQ(E_FAIL, copy->GetBody(got));
  EXPECT_EQ(0, copy->GetLinkedConstraintCount());
}

}  // namespace
