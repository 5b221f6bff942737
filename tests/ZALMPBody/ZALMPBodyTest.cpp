#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALIMPBodyLoader.h>
#include <ZALMPBody.h>
#include <ZALMPDisplacementSensor.h>

#include <RVLBasicBody3D.h>
#include <ZALMathAxis.h>
#include <ZALMathLine.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

/// Records the calls it receives and answers `answer`; at a point p it
/// computes (p.x, 0, 0) as linear and (0, 0, 1) as angular vectors.
class RecordingBodyLoader : public ZALIMPBodyLoader {
public:
  RecordingBodyLoader(std::vector<std::string>& calls, HRESULT answer) : m_calls(calls), m_answer(answer) {}
  ZALMathTransformation lastTransformation;

  HRESULT OnActivate() override { return Record("OnActivate"); }
  HRESULT OnDeactivate() override { return Record("OnDeactivate"); }
  HRESULT ApplyTransformation(const ZALMathTransformation& relative) override
  {
    lastTransformation = relative;
    return Record("ApplyTransformation");
  }
  HRESULT SetVelocity(const ZALMathVector&, const ZALMathVector&) override { return Record("SetVelocity"); }
  HRESULT ComputeVelocity(ZALMathVector& linear, ZALMathVector& angular, ZALMathPoint& point) override
  {
    linear = ZALMathVector(point.GetX(), 0.0, 0.0);
    angular = ZALMathVector(0.0, 0.0, 1.0);
    return Record("ComputeVelocity");
  }
  HRESULT ComputeAcceleration(ZALMathVector&, ZALMathVector&, ZALMathPoint&) override
  {
    return Record("ComputeAcceleration");
  }
  HRESULT Fix() override { return Record("Fix"); }
  HRESULT Unfix() override { return Record("Unfix"); }
  HRESULT ComputeVelocityAndAcceleration(ZALMathVector& linearVelocity, ZALMathVector& angularVelocity,
                                         ZALMathVector& linearAcceleration, ZALMathVector& angularAcceleration,
                                         ZALMathPoint& point, unsigned char&, ZALMathLine&,
                                         ZALMPBody::PointWhereToComputeVelAndAcc, const ZALMathPoint*,
                                         RVLSharedHandle<ZALMPBody>, const ZALMathAxis*) override
  {
    linearAcceleration = linearVelocity = ZALMathVector(point.GetX(), 0.0, 0.0);
    angularAcceleration = angularVelocity = ZALMathVector(0.0, 0.0, 1.0);
    return Record("ComputeVelocityAndAcceleration");
  }

private:
  HRESULT Record(const char* call)
  {
    m_calls.emplace_back(call);
    return m_answer;
  }

  std::vector<std::string>& m_calls;
  HRESULT m_answer;
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
  ZALMathVector linear(9, 9, 9);
  ZALMathVector angular;
  EXPECT_EQ(E_FAIL, body->GetVelocity(linear, angular)) << "no velocity given yet";
  EXPECT_EQ(ZALMathVector(9, 9, 9), linear);
  EXPECT_EQ(S_OK, body->SetVelocity(ZALMathVector(), ZALMathVector()));
  EXPECT_EQ(S_OK, body->GetVelocity(linear, angular)) << "zero velocities are known too";

  std::vector<std::string> calls;
  auto owned = std::make_unique<RecordingBodyLoader>(calls, S_FALSE);
  RecordingBodyLoader* const loader = owned.get();
  body->SetLoader(owned.release());
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
  EXPECT_EQ(S_OK, body->GetVelocity(linear, angular)) << "the computed velocities are stored";
  EXPECT_EQ(ZALMathVector(0, 0, 1), angular);
  ZALMathVector linearAcceleration, angularAcceleration;
  at = ZALMathPoint(5, 0, 0);
  EXPECT_EQ(S_OK, body->GetVelocityAndAcceleration(linear, angular, linearAcceleration, angularAcceleration, at,
                                                   ZALMPBody::AtBodyOrigin, nullptr, nullptr, nullptr));
  EXPECT_EQ(ZALMathVector(5, 0, 0), linearAcceleration);

  const std::vector<std::string> expected = {"SetVelocity", "Fix", "Unfix", "ApplyTransformation", "Unfix",
                                             "ApplyTransformation", "Unfix", "ApplyTransformation", "Unfix",
                                             "ComputeVelocity", "ComputeVelocityAndAcceleration"};
  EXPECT_EQ(expected, calls);
  ZALMPBody::destroy(body);
}

TEST(BodyHostBinding, TheHostBodyGivesPlacementNameAndFloatingStatusAndFollowsMoves)
{
  RVLSharedHandle<RVLBasicBody3D> host = RVLBasicBody3D::create(L"0123456789abcdefghCrank---IN_WORK");
  host->SetPosition(Shift(1, 2, 3));
  host->setFloating(true);
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"before");
  EXPECT_EQ(S_FALSE, body->SetWDMBody(nullptr));
  EXPECT_EQ(L"before", body->getEntityName());
  EXPECT_EQ(S_OK, body->SetWDMBody(host));
  EXPECT_EQ(L"Crank", body->getEntityName());
  EXPECT_EQ(Shift(1, 2, 3), PositionOf(*body));

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

  RVLSharedHandle<ZALMPBody> child = ZALMPBody::create(L"x");
  child->SetWDMBody(RVLBasicBody3D::create(L"0123456789abcdefghRod--- IN_WORK"));
  EXPECT_EQ(L"Rod", child->getEntityName());
  body->AddBody(child);
  EXPECT_EQ(1, host->getLogicalChildCount()) << "the child's host body became a sub-body";
  child->SetWDMBody(RVLBasicBody3D::create(L"too short"));
  EXPECT_EQ(L"", child->getEntityName());
  ZALMPBody::destroy(child);
  ZALMPBody::destroy(body);
  RVLBasicBody3D::destroy(host);
}

TEST(BodyUpdatePosition, AccumulatesIntoAnActiveSensorAndPostsTheUpdateNotice)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Crank");
  RVLSharedHandle<ZALMPDisplacementSensor> sensor = ZALMPDisplacementSensor::create(L"s");
  body->SetDisplacementSensor(sensor);
  sensor->SetBody(body);
  RVLSharedHandle<ZALMPBody> child = ZALMPBody::create(L"Rod");
  RVLSharedHandle<RVLBasicBody3D> childHost = RVLBasicBody3D::create(L"Rod");
  child->SetWDMBody(childHost);
  childHost->SetPosition(Shift(0, 0, 9));
  body->AddImpactedChildBody(child);
  UpdateCounter bodyNotices(*body);
  UpdateCounter childNotices(*child);

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
  EXPECT_EQ(0, reports.Count());

  // A sensor that is no longer alive fails the update without a notice.
  RVLSharedHandle<ZALMPDisplacementSensor> gone = ZALMPDisplacementSensor::create(L"gone");
  body->SetDisplacementSensor(gone);
  ZALMPDisplacementSensor::destroy(gone);
  EXPECT_EQ(E_FAIL, body->UpdatePosition(Shift(0, 1, 0), true));
  EXPECT_EQ(4, bodyNotices.count);
  EXPECT_EQ(1, reports.Count());
  body->SetDisplacementSensor(nullptr);
  ZALMPDisplacementSensor::destroy(sensor);
  ZALMPBody::destroy(body);
  ZALMPBody::destroy(child);
  RVLBasicBody3D::destroy(childHost);
}

// That a copy and its original are independent is the kind conformance test's.
TEST(BodyClone, CopiesTheStateWithoutLinksAndWithAnUnknownVelocity)
{
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Crank");
  body->SetMass(2.5);
  body->SetPosition(Shift(1, 0, 0), 1);
  body->SetVelocity(ZALMathVector(0, 7, 0), ZALMathVector(0, 0, 8));
  body->Fix();
  body->LinkToJoint(TestJoint::create(L"j"));

  RVLSharedHandle<ZALMPBody> copy = ZALMPBody::clone(body);
  ASSERT_TRUE(copy);
  double mass = 0;
  copy->GetMass(mass);
  EXPECT_EQ(2.5, mass);
  EXPECT_EQ(Shift(1, 0, 0), PositionOf(*copy));
  EXPECT_TRUE(copy->IsFixed());
  EXPECT_EQ(0, copy->GetLinkedJointCount());
  ZALMathVector linear, angular;
  EXPECT_EQ(E_FAIL, copy->GetVelocity(linear, angular)) << "a copy's velocity is not known";
  ZALMathPoint at;
  copy->GetVelocity(linear, angular, at);
  EXPECT_EQ(ZALMathVector(0, 7, 0), linear) << "but the vectors are copied";
  ZALMPBody::destroy(copy);
  ZALMPBody::destroy(body);
}

}  // namespace
