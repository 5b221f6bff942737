#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALIMPBodyLoader.h>
#include <ZALMPBody.h>
#include <ZALMPDisplacementSensor.h>

#include <RVLBasicBody3D.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/// Records the calls it receives and answers S_FALSE; at a point p it
/// computes (p.x, 0, 0) as the linear velocity and acceleration.
class RecordingBodyLoader : public ZALIMPBodyLoader {
public:
  std::vector<std::string> calls;
  ZALMathTransformation lastTransformation;

  HRESULT OnActivate() override { return Record("OnActivate"); }
  HRESULT OnDeactivate() override { return Record("OnDeactivate"); }
  HRESULT ApplyTransformation(const ZALMathTransformation& relative) override
  {
    lastTransformation = relative;
    return Record("ApplyTransformation");
  }
  HRESULT SetVelocity(const ZALMathVector&, const ZALMathVector&) override { return Record("SetVelocity"); }
  HRESULT ComputeVelocity(ZALMathVector& linear, ZALMathVector&, ZALMathPoint& point) override
  {
    linear = ZALMathVector(point.GetX(), 0.0, 0.0);
    return Record("ComputeVelocity");
  }
  HRESULT ComputeAcceleration(ZALMathVector&, ZALMathVector&, ZALMathPoint&) override
  {
    return Record("ComputeAcceleration");
  }
  HRESULT Fix() override { return Record("Fix"); }
  HRESULT Unfix() override { return Record("Unfix"); }
  HRESULT ComputeVelocityAndAcceleration(ZALMathVector&, ZALMathVector&, ZALMathVector& linearAcceleration,
                                         ZALMathVector&, ZALMathPoint& point, unsigned char&, ZALMathLine&,
                                         ZALMPBody::PointWhereToComputeVelAndAcc, const ZALMathPoint*,
                                         RVLSharedHandle<ZALMPBody>, const ZALMathAxis*) override
  {
    linearAcceleration = ZALMathVector(point.GetX(), 0.0, 0.0);
    return Record("ComputeVelocityAndAcceleration");
  }

private:
  HRESULT Record(const char* call)
  {
    calls.emplace_back(call);
    return S_FALSE;
  }
};

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
TEST(BodyClone, CopiesTheStateWithoutLinksAndWithAnUnknownVelocity)
{
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Crank");
  body->SetPosition(Shift(1, 0, 0), 1);
  body->SetVelocity(ZALMathVector(0, 7, 0), ZALMathVector(0, 0, 8));
  body->LinkToJoint(TestJoint::create(L"j"));

  RVLSharedHandle<ZALMPBody> copy = ZALMPBody::clone(body);
  ASSERT_TRUE(copy);
  EXPECT_EQ(Shift(1, 0, 0), PositionOf(*copy));
  EXPECT_EQ(0, copy->GetLinkedJointCount());
  ZALMathVector linear, angular;
  ZALMathPoint at;
  EXPECT_EQ(E_FAIL, copy->GetVelocity(linear, angular)) << "a copy's velocity is not known";
  copy->GetVelocity(linear, angular, at);
  EXPECT_EQ(ZALMathVector(0, 7, 0), linear) << "but the vectors are copied";
  ZALMPBody::destroy(copy);
  ZALMPBody::destroy(body);
}

}  // namespace
