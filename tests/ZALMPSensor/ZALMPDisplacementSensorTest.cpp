#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"

#include <ZALIMPDisplacementSensorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPConstraint.h>
#include <ZALMPDisplacementSensor.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const ZALMathTransformation kDisplacement(ZALMath3x3Matrix({0, 0, 1}, {0, 1, 0}, {-1, 0, 0}), ZALMathVector(0, 3, 0));

/// Sets the sensor's displacement to kDisplacement and answers with `answer`.
class MeasuringLoader : public ZALIMPDisplacementSensorLoader {
public:
  explicit MeasuringLoader(HRESULT answer) : m_answer(answer) {}
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  HRESULT Update(ZALMPDisplacementSensor& sensor) override
  {
    sensor.SetDisplacement(kDisplacement);
    return m_answer;
  }

private:
  HRESULT m_answer;
};

ZALMathTransformation DisplacementOf(const ZALMPDisplacementSensor& sensor)
{
  ZALMathTransformation displacement;
  sensor.GetDisplacement(displacement);
  return displacement;
}

TEST(DisplacementSensor, MeasuresOneBodyRefreshesThroughItsLoaderAndUnlinksWhenOrphaned)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPDisplacementSensor> sensor = ZALMPDisplacementSensor::create(L"d");
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"b");
  RVLSharedHandle<ZALMPBody> got = body;
  EXPECT_EQ(E_FAIL, sensor->SetBody(nullptr));
  EXPECT_EQ(E_FAIL, sensor->GetBody(got));
  EXPECT_FALSE(got);
  EXPECT_EQ(S_OK, sensor->SetBody(body));
  EXPECT_EQ(S_OK, sensor->RemoveBody(body)) << "removing answers as a geometry's body link does (GeometryBodyLink)";
  EXPECT_EQ(E_FAIL, sensor->GetBody(got));
  EXPECT_EQ(E_FAIL, sensor->RemoveConstraint(nullptr));
  EXPECT_EQ(4, reports.Count());

  // An inactive sensor does nothing; an active one needs its loader, whose own
  // failure is returned without a report.
  reports.Clear();
  EXPECT_EQ(E_FAIL, sensor->Update());
  EXPECT_EQ(1, reports.Count());
  sensor->Deactivate();
  EXPECT_EQ(S_OK, sensor->Update());
  sensor->Activate();
  sensor->SetLoader(std::make_unique<MeasuringLoader>(E_FAIL).release());
  EXPECT_EQ(E_FAIL, sensor->Update());
  EXPECT_EQ(1, reports.Count());
  EXPECT_EQ(kDisplacement, DisplacementOf(*sensor));
  EXPECT_EQ(S_OK, sensor->Reset());
  EXPECT_EQ(ZALMathTransformation(), DisplacementOf(*sensor));

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
  ZALMPXmlWriter loneRoot;
  ASSERT_EQ(S_OK, ZALMPDisplacementSensor::create(L"lone")->Serialize(&loneRoot));
  const RVLSharedHandle<ZALMPDisplacementSensor> lone = ZALMPDisplacementSensor::create();
  EXPECT_EQ(S_OK, lone->Deserialize(ReadBack(loneRoot).get(), {}));
  EXPECT_EQ(L"lone", lone->getEntityName());
  EXPECT_EQ(0, reports.Count());

  ZALMPXmlWriter bareRoot;
  ZALMPSerializer* bare = nullptr;
  bareRoot.AddElement(L"DisplacementSensor", bare);
  EXPECT_EQ(E_FAIL, ZALMPDisplacementSensor::create()->Deserialize(ReadBack(bareRoot).get(), {}));
}

}  // namespace
