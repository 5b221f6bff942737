#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"

#include <ZALIMPDisplacementSensorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPConstraint.h>
#include <ZALMPDisplacementSensor.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class FailingLoader : public ZALIMPDisplacementSensorLoader {
public:
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  HRESULT Update(ZALMPDisplacementSensor&) override { return E_FAIL; }
};

// How the body link answers RemoveBody is met when a body leaves its sensor (BodyDetach).
TEST(DisplacementSensor, MeasuresOneBodyRefreshesThroughItsLoaderAndUnlinksWhenOrphaned)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPDisplacementSensor> sensor = ZALMPDisplacementSensor::create(L"d");
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"b");
  RVLSharedHandle<ZALMPBody> got = body;
  EXPECT_EQ(E_FAIL, sensor->SetBody(nullptr));
  EXPECT_EQ(E_FAIL, sensor->GetBody(got));
  EXPECT_FALSE(got);
  EXPECT_EQ(E_FAIL, sensor->RemoveConstraint(nullptr));
  EXPECT_EQ(3, reports.Count());

  // An inactive sensor does nothing; an active one needs its loader, whose own
  // failure is returned without a report (that a measure and a reset reach
  // active sensors is the world's test, WholeWorldOperationsVisitTheEntitiesTheyConcern).
  reports.Clear();
  EXPECT_EQ(E_FAIL, sensor->Update());
  EXPECT_EQ(1, reports.Count());
  sensor->Deactivate();
  EXPECT_EQ(S_OK, sensor->Update());
  sensor->Activate();
  sensor->SetLoader(new FailingLoader());
  EXPECT_EQ(E_FAIL, sensor->Update());
  EXPECT_EQ(1, reports.Count());

  body->SetDisplacementSensor(sensor);
  sensor->SetBody(body);
  const RVLSharedHandle<ZALMPDisplacementSensor> kept = sensor;
  ZALMPDisplacementSensor::destroy(sensor);
  RVLSharedHandle<ZALMPDisplacementSensor> held;
  EXPECT_EQ(E_FAIL, body->GetDisplacementSensor(held)) << "the body dropped the orphaned sensor";
  EXPECT_EQ(E_FAIL, kept->GetBody(got)) << "and the sensor its body";
}

// That the body and displacement come back is pinned by the kind conformance test.
TEST(DisplacementSensor, ReadsWithoutABodyButNotWithoutADisplacement)
{
  ReportCapture reports;
  ZALMPXmlWriter loneRoot, bareRoot;
  ASSERT_EQ(S_OK, ZALMPDisplacementSensor::create(L"lone")->Serialize(&loneRoot));
  EXPECT_EQ(S_OK, ZALMPDisplacementSensor::create()->Deserialize(ReadBack(loneRoot).get(), {}));
  EXPECT_EQ(0, reports.Count());
  ZALMPSerializer* bare = nullptr;
  bareRoot.AddElement(L"DisplacementSensor", bare);
  EXPECT_EQ(E_FAIL, ZALMPDisplacementSensor::create()->Deserialize(ReadBack(bareRoot).get(), {}));
}

}  // namespace
