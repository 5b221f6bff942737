#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPAxialSpring.h>
#include <ZALMPBody.h>
#include <ZALMPBushing.h>
#include <ZALMPConstant.h>
#include <ZALMPForceElement.h>
#include <ZALMPLinearSpring.h>
#include <ZALMPPoint.h>
#include <ZALMPTorsionSpring.h>

#include <gtest/gtest.h>

#include <string>

namespace {

RVLSharedHandle<ZALMPValue> Constant(double number)
{
  const RVLSharedHandle<ZALMPConstant> constant = ZALMPConstant::create(L"c");
  constant->SetValue(number);
  return constant;
}

TEST(Connector, HoldsTwoBodiesAndWhenOrphanedLeavesThemButKeepsItsGeometries)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPLinearSpring> spring = ZALMPLinearSpring::create(L"s");
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"b");
  RVLSharedHandle<ZALMPBody> got = body;
  EXPECT_EQ(E_FAIL, spring->GetFirstBody(got));
  EXPECT_FALSE(got);
  EXPECT_EQ(E_FAIL, spring->SetSecondBody(nullptr));
  EXPECT_EQ(E_FAIL, spring->RemoveBody(nullptr));
  EXPECT_EQ(2, reports.Count());

  // a body that is both ends leaves the first end first
  spring->SetFirstBody(body);
  spring->SetSecondBody(body);
  EXPECT_EQ(S_OK, spring->RemoveBody(body));
  EXPECT_EQ(E_FAIL, spring->GetFirstBody(got));
  EXPECT_EQ(S_OK, spring->GetSecondBody(got));
  EXPECT_EQ(S_OK, spring->RemoveBody(body));
  EXPECT_EQ(S_FALSE, spring->RemoveBody(body));

  // orphaned, the spring asks its body to drop it and keeps its geometries
  spring->LinkToGeometry(ZALMPPoint::create(L"p"));
  spring->SetFirstBody(body);
  body->LinkToConnector(spring);
  const RVLSharedHandle<ZALMPLinearSpring> kept = spring;
  ZALMPLinearSpring::destroy(spring);
  EXPECT_EQ(0, body->GetLinkedConnectorCount());
  EXPECT_EQ(E_FAIL, kept->GetFirstBody(got));
  EXPECT_EQ(1, kept->GetLinkedGeometryCount());
  EXPECT_EQ(2, reports.Count());
}

TEST(Spring, ValuesAreRefusedEmptyAndAnUnknownBehaviourIsSavedAndReadBackAsBidirectional)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPTorsionSpring> spring = ZALMPTorsionSpring::create(L"t");
  RVLSharedHandle<ZALMPValue> got = Constant(1);
  EXPECT_EQ(E_FAIL, spring->SetRestAngle(nullptr));
  EXPECT_EQ(E_FAIL, spring->GetRestAngle(got));
  EXPECT_FALSE(got);
  EXPECT_EQ(2, reports.Count());
  const RVLSharedHandle<ZALMPAxialSpring> axial = ZALMPAxialSpring::create(L"a");
  EXPECT_EQ(E_FAIL, axial->GetActuatorForce(got));
  EXPECT_EQ(2, reports.Count()) << "an absent actuator force is not reported";

  const RVLSharedHandle<ZALMPLinearSpring> linear = ZALMPLinearSpring::create(L"l");
  const RVLSharedHandle<ZALMPValue> stiffness = Constant(1000), rest = Constant(0.2), damping = Constant(3);
  linear->SetStiffness(stiffness);
  linear->SetRestLength(rest);
  linear->SetDampingCoefficient(damping);
  linear->SetBehavior(static_cast<ZALMPSpringBehavior::Enum>(7));
  const std::string text = WrittenXml(*linear);
  EXPECT_NE(std::string::npos, text.find("<Behavior>Bidirectional</Behavior>")) << text;
  const RVLSharedHandle<ZALMPLinearSpring> back = ZALMPLinearSpring::create();
  back->SetBehavior(ZALMPSpringBehavior::CompressionLock);
  EXPECT_EQ(S_OK, back->Deserialize(ReadXml(text).get(), IdsOf({stiffness, rest, damping})));
  ZALMPSpringBehavior::Enum behavior = ZALMPSpringBehavior::CompressionLock;
  back->GetBehavior(behavior);
  EXPECT_EQ(0, behavior) << "read back as Bidirectional";
}

TEST(Spring, AnAxialSpringWithoutActuatorForceNamesAForceNoWorldHoldsAndReadsBackWithoutIt)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPAxialSpring> spring = ZALMPAxialSpring::create(L"a");
  spring->SetIdentifier(L"{axial}");
  const RVLSharedHandle<ZALMPValue> rest = Constant(0.1), stiffness = Constant(50), damping = Constant(2);
  spring->SetRestLength(rest);
  spring->SetStiffness(stiffness);
  spring->SetDamping(damping);
  const std::string text = WrittenXml(*spring);
  EXPECT_NE(std::string::npos, text.find("<PreLoadForce id=\"{axial}-EmptyForce\" name=\"EmptyForce\"/>")) << text;
  EXPECT_EQ(text, WrittenXml(*spring)) << "the stand-in is the same at every save";

  const RVLSharedHandle<ZALMPAxialSpring> back = ZALMPAxialSpring::create();
  EXPECT_EQ(E_FAIL, back->Deserialize(ReadXml(text).get(), IdsOf({rest, stiffness, damping})));
  RVLSharedHandle<ZALMPValue> got;
  EXPECT_EQ(E_FAIL, back->GetActuatorForce(got));
  EXPECT_EQ(S_OK, back->GetDamping(got)) << "everything else was applied";
  EXPECT_TRUE(got == damping);
}

TEST(Bushing, HoldsSixComponentsPerArrayAndSavesOnlyExpressionsAsPreLoads)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPBushing> bushing = ZALMPBushing::create(L"b");
  const RVLSharedHandle<ZALMPValue> stiffness = Constant(1), damping = Constant(2), preLoad = Constant(3);
  RVLSharedHandle<ZALMPValue> got = stiffness;
  EXPECT_EQ(S_OK, bushing->GetStiffness(5, got));
  EXPECT_FALSE(got) << "a component without a value";
  EXPECT_EQ(E_FAIL, bushing->SetStiffness(6, stiffness));
  EXPECT_EQ(E_FAIL, bushing->SetDamping(-1, damping));
  EXPECT_EQ(E_FAIL, bushing->SetPreLoadForce(0, nullptr));
  EXPECT_EQ(E_FAIL, bushing->GetPreLoadForce(6, got));
  EXPECT_EQ(4, reports.Count());

  for (int component = 0; component < ZALMPBushing::kComponentCount; ++component) {
    bushing->SetStiffness(component, stiffness);
    bushing->SetDamping(component, damping);
    bushing->SetPreLoadForce(component, preLoad);
  }
  const std::string text = WrittenXml(*bushing);
  EXPECT_NE(std::string::npos, text.find("EmptyForceRz\" name=\"EmptyForce\"/>")) << text;
  EXPECT_EQ(std::string::npos, text.find("name=\"c\"/>\n      <PreForce")) << "no constant is saved as a pre-load";

  reports.Clear();
  const RVLSharedHandle<ZALMPBushing> back = ZALMPBushing::create();
  ASSERT_EQ(S_OK, back->Deserialize(ReadXml(text).get(), IdsOf({stiffness, damping, preLoad})));
  EXPECT_EQ(0, reports.Count()) << "pre-loads that do not resolve are left out silently";
  EXPECT_EQ(S_OK, back->GetPreLoadForce(0, got));
  EXPECT_FALSE(got);

  // an array that does not resolve whole is not taken, and is reported
  EXPECT_EQ(S_OK, ZALMPBushing::create()->Deserialize(ReadXml(text).get(), IdsOf({damping})));
  EXPECT_EQ(1, reports.Count());
}

TEST(ForceElement, NeedsBothItsClassAndItsStreamToRead)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPForceElement> force = ZALMPForceElement::create(L"f");
  force->SetClass(L"Tyre");
  force->SetStream(L"mu=0.8");
  const std::string text = Replaced(WrittenXml(*force), " stream=\"mu=0.8\"", "");
  EXPECT_EQ(E_FAIL, ZALMPForceElement::create()->Deserialize(ReadXml(text).get(), {}));
  EXPECT_LE(1, reports.Count());
}

}  // namespace
