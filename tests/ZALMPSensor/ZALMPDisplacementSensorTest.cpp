#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"

#include <ZALIMPDisplacementSensor2DLoader.h>
#include <ZALIMPDisplacementSensorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPBody2D.h>
#include <ZALMPConstraint.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPDisplacementSensor2D.h>
#include <ZALMPSerializationServices.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// A displacement sensor kind, the body it measures and its loader: in space and in the plane.
template <class SensorKind, class BodyKind, class LoaderKind>
struct Measuring {
  using Sensor = SensorKind;
  using Body = BodyKind;
  class FailingLoader : public LoaderKind {
  public:
    HRESULT OnActivate() override { return S_OK; }
    HRESULT OnDeactivate() override { return S_OK; }
    HRESULT Update(Sensor&) override { return E_FAIL; }
  };
};
using SensorFamilies =
    ::testing::Types<Measuring<ZALMPDisplacementSensor, ZALMPBody, ZALIMPDisplacementSensorLoader>,
                     Measuring<ZALMPDisplacementSensor2D, ZALMPBody2D, ZALIMPDisplacementSensor2DLoader>>;

template <class Family>
class DisplacementSensor : public ::testing::Test {};
TYPED_TEST_SUITE(DisplacementSensor, SensorFamilies);

// How the body link answers RemoveBody is met when a body leaves its sensor (BodyDetach).
TYPED_TEST(DisplacementSensor, MeasuresOneBodyRefreshesThroughItsLoaderAndUnlinksWhenOrphaned)
{
  using Sensor = typename TypeParam::Sensor;
  using Body = typename TypeParam::Body;
  ReportCapture reports;
  RVLSharedHandle<Sensor> sensor = Sensor::create(L"d");
  const RVLSharedHandle<Body> body = Body::create(L"b");
  RVLSharedHandle<Body> got = body;
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
  sensor->SetLoader(new typename TypeParam::FailingLoader());
  EXPECT_EQ(E_FAIL, sensor->Update());
  EXPECT_EQ(1, reports.Count());

  body->SetDisplacementSensor(sensor);
  sensor->SetBody(body);
  const RVLSharedHandle<Sensor> kept = sensor;
  Sensor::destroy(sensor);
  RVLSharedHandle<Sensor> held;
  EXPECT_EQ(E_FAIL, body->GetDisplacementSensor(held)) << "the body dropped the orphaned sensor";
  EXPECT_EQ(E_FAIL, kept->GetBody(got)) << "and the sensor its body";
}

// That the body and displacement come back is pinned by the kind conformance test.
TYPED_TEST(DisplacementSensor, ReadsWithoutABodyButNotWithoutADisplacement)
{
  using Sensor = typename TypeParam::Sensor;
  ReportCapture reports;
  ZALMPXmlWriter loneRoot, bareRoot;
  ASSERT_EQ(S_OK, Sensor::create(L"lone")->Serialize(&loneRoot));
  EXPECT_EQ(S_OK, Sensor::create()->Deserialize(ReadBack(loneRoot).get(), {}));
  EXPECT_EQ(0, reports.Count());
  ZALMPSerializer* bare = nullptr;
  bareRoot.AddElement(ZALMPSerializationServices::to_element_id(Sensor::ClassName()), bare);
  EXPECT_EQ(E_FAIL, Sensor::create()->Deserialize(ReadBack(bareRoot).get(), {}));
}

}  // namespace
