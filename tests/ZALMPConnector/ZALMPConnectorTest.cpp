#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"

#include <ZALMPAxialSpring.h>
#include <ZALMPBody.h>
#include <ZALMPBushing.h>
#include <ZALMPConstant.h>
#include <ZALMPForceElement.h>
#include <ZALMPLinearSpring.h>
#include <ZALMPPoint.h>
#include <ZALMPTorsionSpring.h>
#include <ZALMPVariable.h>

#include <gtest/gtest.h>

#include <string>

namespace {

RVLSharedHandle<ZALMPValue> Constant(double number)
{
  const RVLSharedHandle<ZALMPConstant> constant = ZALMPConstant::create(L"c");
  constant->SetValue(number);
  return constant;
}

// The identifier map of a world that holds `values`.
ZALMPIdentifierMap IdsOf(std::initializer_list<RVLSharedHandle<ZALMPValue>> values)
{
  ZALMPIdentifierMap ids;
  for (const RVLSharedHandle<ZALMPValue>& value : values) {
    std::wstring id;
    value->GetIdentifier(id);
    ids[id] = value;
  }
  return ids;
}

std::string Written(const ZALMPEntity& entity)
{
  ZALMPXmlWriter root;
  entity.Serialize(&root);
  return ZALMPXmlCodec::Write(root);
}

TEST(Connector, HoldsTwoBodiesAndListsOfGeometriesAndVariablesAndLeavesItsBodiesWhenOrphaned)
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

  const RVLSharedHandle<ZALMPPoint> point = ZALMPPoint::create(L"p");
  EXPECT_EQ(S_OK, spring->LinkToGeometry(point));
  EXPECT_EQ(S_FALSE, spring->LinkToGeometry(point));
  EXPECT_EQ(1, spring->GetLinkedGeometryCount());
  EXPECT_EQ(S_FALSE, spring->RemoveVariable(ZALMPVariable::create(L"v")));

  // orphaned, the spring asks its body to drop it and keeps its geometries
  spring->SetFirstBody(body);
  body->LinkToConnector(spring);
  const RVLSharedHandle<ZALMPLinearSpring> kept = spring;
  ZALMPLinearSpring::destroy(spring);
  EXPECT_EQ(0, body->GetLinkedConnectorCount());
  EXPECT_EQ(E_FAIL, kept->GetFirstBody(got));
  EXPECT_EQ(1, kept->GetLinkedGeometryCount());
  EXPECT_EQ(2, reports.Count());
}

TEST(Spring, ValuesAreRefusedEmptyAndAnyBehaviourNumberIsKeptButSavedByName)
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

  // a number makes a constant of the property's quantity, outside any world
  const RVLSharedHandle<ZALMPLinearSpring> linear = ZALMPLinearSpring::create(L"l");
  ASSERT_EQ(S_OK, linear->SetStiffness(1000.0));
  linear->GetStiffness(got);
  ZALMPPhysicalQuantity::Enum quantity{};
  got->GetPhysicalQuantity(quantity);
  EXPECT_EQ(ZALMPPhysicalQuantity::LinearStiffness, quantity);
  spring->SetDampingCoefficient(0.5);
  spring->GetDampingCoefficient(got);
  got->GetPhysicalQuantity(quantity);
  EXPECT_EQ(ZALMPPhysicalQuantity::AngularDamping, quantity);

  linear->SetBehavior(static_cast<ZALMPSpringBehavior::Enum>(7));
  ZALMPSpringBehavior::Enum behavior{};
  linear->GetBehavior(behavior);
  EXPECT_EQ(7, behavior);
  linear->SetRestLength(0.2);
  linear->SetDampingCoefficient(3.0);
  ZALMPXmlWriter root;
  ASSERT_EQ(S_OK, linear->Serialize(&root));
  EXPECT_NE(std::string::npos, ZALMPXmlCodec::Write(root).find("<Behavior>Bidirectional</Behavior>"));
  RVLSharedHandle<ZALMPValue> stiffness, restLength, damping;
  linear->GetStiffness(stiffness);
  linear->GetRestLength(restLength);
  linear->GetDampingCoefficient(damping);
  const RVLSharedHandle<ZALMPLinearSpring> back = ZALMPLinearSpring::create();
  back->SetBehavior(ZALMPSpringBehavior::CompressionLock);
  EXPECT_EQ(S_OK, back->Deserialize(ReadBack(root).get(), IdsOf({stiffness, restLength, damping})));
  back->GetBehavior(behavior);
  EXPECT_EQ(ZALMPSpringBehavior::Bidirectional, behavior);
  double number = 0.0;
  back->GetRestLength(number);
  EXPECT_EQ(0.2, number);
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
  ZALMPXmlWriter root;
  ASSERT_EQ(S_OK, spring->Serialize(&root));
  const std::string text = ZALMPXmlCodec::Write(root);
  EXPECT_NE(std::string::npos, text.find("<PreLoadForce id=\"{axial}-EmptyForce\" name=\"EmptyForce\"/>")) << text;
  EXPECT_EQ(text, Written(*spring)) << "the stand-in is the same at every save";

  const RVLSharedHandle<ZALMPAxialSpring> back = ZALMPAxialSpring::create();
  EXPECT_EQ(E_FAIL, back->Deserialize(ReadBack(root).get(), IdsOf({rest, stiffness, damping})));
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
  ZALMPXmlWriter root;
  ASSERT_EQ(S_OK, bushing->Serialize(&root));
  const std::string text = ZALMPXmlCodec::Write(root);
  EXPECT_NE(std::string::npos, text.find("<StiffnessRz id=")) << text;
  EXPECT_NE(std::string::npos, text.find("<DampingTx id="));
  EXPECT_NE(std::string::npos, text.find("EmptyForceRz\" name=\"EmptyForce\"/>"));
  EXPECT_EQ(std::string::npos, text.find("name=\"c\"/>\n      <PreForce")) << "no constant is saved as a pre-load";

  reports.Clear();
  const RVLSharedHandle<ZALMPBushing> back = ZALMPBushing::create();
  ASSERT_EQ(S_OK, back->Deserialize(ReadBack(root).get(), IdsOf({stiffness, damping, preLoad})));
  EXPECT_EQ(0, reports.Count()) << "pre-loads that do not resolve are left out silently";
  EXPECT_EQ(S_OK, back->GetDamping(4, got));
  EXPECT_TRUE(got == damping);
  EXPECT_EQ(S_OK, back->GetPreLoadForce(0, got));
  EXPECT_FALSE(got);

  // an array that does not resolve whole is not taken, and is reported
  EXPECT_EQ(S_OK, ZALMPBushing::create()->Deserialize(ReadBack(root).get(), IdsOf({damping})));
  EXPECT_EQ(1, reports.Count());
}

TEST(ForceElement, KeepsItsClassStreamAndJointAndNeedsBothTextsToRead)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPForceElement> force = ZALMPForceElement::create(L"f");
  force->SetClass(L"Tyre");
  force->SetStream(L"mu=0.8");
  ZALMPXmlWriter root;
  ASSERT_EQ(S_OK, force->Serialize(&root));
  EXPECT_NE(std::string::npos, ZALMPXmlCodec::Write(root).find("class=\"Tyre\" stream=\"mu=0.8\""));
  const RVLSharedHandle<ZALMPForceElement> copy = ZALMPForceElement::clone(force, RVLDynamicObject::DeepCopy);
  std::wstring stream;
  copy->GetStream(stream);
  EXPECT_EQ(L"mu=0.8", stream);

  ZALMPXmlWriter without;
  ZALMPSerializer* element = nullptr;
  without.AddElement(L"ForceElement", element);
  element->AddAttribute(L"class", L"Tyre");
  EXPECT_EQ(E_FAIL, ZALMPForceElement::create()->Deserialize(ReadBack(without).get(), {}));
  EXPECT_LE(1, reports.Count());
}

}  // namespace
