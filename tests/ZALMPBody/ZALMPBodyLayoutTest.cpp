// The element and attribute names that a body and a displacement sensor
// write, checked against the written document: readers of other programs
// know the format by these names.

#include "ZALMPBodyTestDoubles.h"
#include "ZALMPTestSupport.h"
#include "ZALMPXmlOutline.h"

#include <ZALMPDisplacementSensor.h>
#include <ZALMPPoint.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kVector = "(Vx,Vy,Vz)";
const std::string kMatrix = "(M1x,M1y,M1z,M2x,M2y,M2z,M3x,M3y,M3z)";
const std::string kPlacement = "(Translation" + kVector + ",Rotation" + kMatrix + ")";
const std::string kReference = "[id,name]";

std::string Written(const ZALMPEntity& entity)
{
  ZALMPXmlWriter root;
  EXPECT_EQ(S_OK, entity.Serialize(&root));
  return ZALMPXmlCodec::Write(root);
}

TEST(DisplacementSensorLayout, NamesItsBodyAndDisplacementAndReadsBackWithoutABody)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPDisplacementSensor> sensor = ZALMPDisplacementSensor::create(L"d");
  const std::string displacement = "Displacement" + kPlacement;
  const std::string lone = Written(*sensor);
  EXPECT_EQ("DisplacementSensor[id,name,isActive](" + displacement + ")", XmlOutline(lone));
  sensor->SetBody(ZALMPBody::create(L"b"));
  EXPECT_EQ("DisplacementSensor[id,name,isActive](Body" + kReference + "," + displacement + ")",
            XmlOutline(Written(*sensor)));
  EXPECT_EQ(0, reports.Count());

  // Written without its body, a sensor reads back without one, and that is no failure.
  const RVLSharedHandle<ZALMPDisplacementSensor> read = ZALMPDisplacementSensor::create();
  std::unique_ptr<ZALMPXmlReader> document;
  ASSERT_TRUE(ZALMPXmlCodec::Read(lone, document).Ok());
  EXPECT_EQ(S_OK, read->Deserialize(document.get(), {}));
  EXPECT_EQ(L"d", read->getEntityName());
  EXPECT_EQ(0, reports.Count());
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"placeholder");
  EXPECT_EQ(E_FAIL, read->GetBody(body));
  EXPECT_FALSE(body);
  EXPECT_EQ((std::vector<std::string>{"ZALMPSensor.m/src/ZALMPDisplacementSensor"}), reports.Files())
      << "asking for a body that is not there is reported";
}

}  // namespace
