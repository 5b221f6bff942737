// A joint's links to bodies (with their orientations) and constraints: how
// they are made, written and read at each layout (for joints in space and
// planar joints alike), dropped when the joint is
// orphaned, and re-made in a filtered copy of a world.

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALMPBody2D.h>
#include <ZALMPRevolute.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPUserDefined2D.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>

#include <RVLBasicWorld.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// A joint whose detaching step can be run on its own.
class ProbeJoint : public ZALMPJoint {
  ZALMP_DECLARE_CLASS(ProbeJoint, ZALMPJoint);
  ZALMP_DECLARE_CONCRETE(ProbeJoint);

public:
  using ZALMPJoint::RemoveParent;

protected:
  ProbeJoint() = default;
  ProbeJoint(const ProbeJoint& source) : ZALMPJoint(source) {}
};

}  // namespace

ZALMP_DEFINE_CLASS_WITH_ID(ProbeJoint, ZALMPJoint, "0E0E0E0E-0000-4000-8000-0000000000D0", nullptr);

namespace {

using Orientation = ZALMPBodyOrientation;

Orientation::Enum OrientationAt(const ZALMPJoint& joint, int index, const std::wstring& body)
{
  RVLSharedHandle<ZALMPBody> linked;
  Orientation::Enum orientation = Orientation::In;
  EXPECT_EQ(S_OK, joint.GetLinkedBody(index, linked, orientation));
  EXPECT_EQ(body, linked ? linked->getEntityName() : L"<none>");
  return orientation;
}

TEST(JointLinks, ABodyKeepsItsFirstOrientationAndLeavesWithIt)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPRevolute> joint = ZALMPRevolute::create(L"joint");
  const RVLSharedHandle<ZALMPBody> first = ZALMPBody::create(L"first"), second = ZALMPBody::create(L"second");
  EXPECT_EQ(S_OK, joint->LinkToBody(first, Orientation::Out));
  EXPECT_EQ(S_FALSE, joint->LinkToBody(first, Orientation::In));
  EXPECT_EQ(S_OK, joint->LinkToBody(second, Orientation::In));
  EXPECT_EQ(E_FAIL, joint->LinkToBody(nullptr, Orientation::In));
  EXPECT_EQ(Orientation::Out, OrientationAt(*joint, 0, L"first"));

  EXPECT_EQ(S_OK, joint->RemoveBody(first));
  EXPECT_EQ(S_FALSE, joint->RemoveBody(first));
  EXPECT_EQ(E_FAIL, joint->RemoveBody(nullptr));
  EXPECT_EQ(Orientation::In, OrientationAt(*joint, 0, L"second")) << "the orientation leaves with its body";
  RVLSharedHandle<ZALMPBody> outside = first;
  EXPECT_EQ(E_FAIL, joint->GetLinkedBody(1, outside));
  EXPECT_FALSE(outside);
  EXPECT_EQ(2, reports.Count()) << "the empty handles";
}

TEST(JointLinks, OrphaningAsksTheConstraintsThenTheBodiesAndStopsAtABodyNoLongerAlive)
{
  ReportCapture reports;
  const RVLSharedHandle<ProbeJoint> joint = ProbeJoint::create(L"joint");
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"constraint");
  const RVLSharedHandle<ZALMPBody> gone = ZALMPBody::create(L"gone"), kept = ZALMPBody::create(L"kept");
  joint->AddConstraint(constraint);
  constraint->SetJoint(joint);
  joint->LinkToBody(gone, Orientation::Out);
  joint->LinkToBody(kept, Orientation::In);
  kept->LinkToJoint(joint);
  RVLSharedHandle<ZALMPBody> destroyed = gone;
  ZALMPBody::destroy(destroyed);

  EXPECT_EQ(E_FAIL, joint->RemoveParent());
  RVLSharedHandle<ZALMPJoint> held;
  EXPECT_EQ(E_FAIL, constraint->GetJoint(held)) << "the constraint was asked first";
  EXPECT_EQ(1, kept->GetLinkedJointCount()) << "a body after the one no longer alive is not asked";
  EXPECT_EQ(1, reports.Count());

  joint->RemoveBody(gone);
  EXPECT_EQ(S_OK, joint->RemoveParent());
  EXPECT_EQ(0, kept->GetLinkedJointCount());
  RVLSharedHandle<ProbeJoint> orphaned = joint;
  ProbeJoint::destroy(orphaned);
  EXPECT_EQ(0, joint->GetLinkedBodyCount());
  EXPECT_EQ(0, joint->GetConstraintCount());
}

// A joint kind and the kind of bodies it links: in space, and in the plane.
template <class JointKind, class BodyKind>
struct Linking {
  using Joint = JointKind;
  using Body = BodyKind;
};
using JointFamilies = ::testing::Types<Linking<ZALMPRevolute, ZALMPBody>, Linking<ZALMPUserDefined2D, ZALMPBody2D>>;

// A world of two bodies linked In to a joint, written in a given layout.
template <class Family>
class JointLayout : public ::testing::Test {
protected:
  using Joint = typename Family::Joint;
  using Body = typename Family::Body;
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Host");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  void SetUp() override
  {
    const RVLSharedHandle<Joint> joint = Joint::create(L"joint");
    for (const wchar_t* name : {L"first", L"second"}) {
      const RVLSharedHandle<Body> body = Body::create(name);
      joint->LinkToBody(body, Orientation::In);
      body->LinkToJoint(joint);
      world->Add<ZALMPBody>(body);
    }
    world->Add<ZALMPJoint>(joint);
  }
  void TearDown() override
  {
    ZALMPWorld::destroy(world);
    RVLBasicWorld::destroy(host);
  }
  std::string Written(std::wstring_view version) const
  {
    std::string text;
    EXPECT_TRUE(ZALMPXml::Write(*world, text, version).Ok());
    return text;
  }
  // Each body of the joint read back: its name and orientation.
  static std::vector<std::pair<std::wstring, Orientation::Enum>> BodiesOf(const ZALMPXmlModel& model)
  {
    RVLSharedHandle<ZALMPJoint> filed;
    model.world->Get<ZALMPJoint>(0, filed);
    const RVLSharedHandle<Joint> joint(filed);
    std::vector<std::pair<std::wstring, Orientation::Enum>> bodies;
    for (int i = 0; i < joint->GetLinkedBodyCount(); ++i) {
      RVLSharedHandle<Body> body;
      Orientation::Enum orientation = Orientation::In;
      EXPECT_EQ(S_OK, joint->GetLinkedBody(i, body, orientation));
      bodies.emplace_back(body->getEntityName(), orientation);
    }
    return bodies;
  }
};
TYPED_TEST_SUITE(JointLayout, JointFamilies);

TYPED_TEST(JointLayout, BeforeR2017_1EveryBodyReadsOut)
{
  const std::string text = this->Written(ZALMPVersion::kR2017_0);
  EXPECT_EQ(std::string::npos, text.find("bodyOrientation")) << text;
  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(text, model).Ok());
  const std::vector<std::pair<std::wstring, Orientation::Enum>> expected = {{L"first", Orientation::Out},
                                                                            {L"second", Orientation::Out}};
  EXPECT_EQ(expected, this->BodiesOf(model));
  EXPECT_TRUE(model.warnings.empty());
}

TYPED_TEST(JointLayout, FromR2017_1ABodyWithoutItsOrientationIsLeftOutAndOnlyInReadsIn)
{
  std::string text = this->Written(ZALMPVersion::kR2017_1);
  const std::string in = " bodyOrientation=\"In\"";
  const std::size_t first = text.find(in);
  ASSERT_NE(std::string::npos, first);
  text.erase(first, in.size());
  const std::size_t second = text.find(in);
  ASSERT_NE(std::string::npos, second);
  text.replace(second, in.size(), " bodyOrientation=\"in\"");

  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(text, model).Ok());
  const std::vector<std::pair<std::wstring, Orientation::Enum>> expected = {{L"second", Orientation::Out}};
  EXPECT_EQ(expected, this->BodiesOf(model)) << "only \"In\" reads In";
  ASSERT_EQ(1u, model.warnings.size());
  const std::wstring element = L"<" + ZALMPSerializationServices::to_element_id(TypeParam::Joint::ClassName());
  EXPECT_NE(std::wstring::npos, model.warnings[0].element.find(element)) << model.warnings[0].element;
}

TEST(JointClone, AFilteredCopyReMakesTheBodysSideAndTheConstraintsButNotTheJointsBodies)
{
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Host");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  const RVLSharedHandle<ZALMPBody> listed = ZALMPBody::create(L"listed"), left = ZALMPBody::create(L"left");
  const RVLSharedHandle<ZALMPRevolute> joint = ZALMPRevolute::create(L"joint"),
                                       other = ZALMPRevolute::create(L"other");
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"constraint");
  for (const RVLSharedHandle<ZALMPBody>& body : {listed, left}) {
    joint->LinkToBody(body, Orientation::In);
    body->LinkToJoint(joint);
    world->Add<ZALMPBody>(body);
  }
  listed->LinkToJoint(other);
  joint->AddConstraint(constraint);
  constraint->SetJoint(joint);
  world->Add<ZALMPJoint>(joint);
  world->Add<ZALMPJoint>(other);
  world->Add<ZALMPConstraint>(constraint);

  RVLSharedHandle<ZALMPWorld> copy = world->CloneWithFilter({listed, joint, constraint});
  RVLSharedHandle<ZALMPBody> body;
  RVLSharedHandle<ZALMPJoint> copiedJoint, linked;
  RVLSharedHandle<ZALMPConstraint> copiedConstraint, realised;
  copy->Get<ZALMPBody>(1, body);
  copy->Get<ZALMPJoint>(0, copiedJoint);
  copy->Get<ZALMPConstraint>(0, copiedConstraint);
  ASSERT_TRUE(body && copiedJoint && copiedConstraint);
  ASSERT_EQ(1, body->GetLinkedJointCount()) << "the link to a joint left out is absent";
  body->GetLinkedJoint(0, linked);
  EXPECT_EQ(copiedJoint, linked);
  EXPECT_EQ(0, copiedJoint->GetLinkedBodyCount());
  ASSERT_EQ(S_OK, copiedJoint->GetConstraint(0, realised));
  EXPECT_EQ(copiedConstraint, realised);
  ZALMPWorld::destroy(copy);
  ZALMPWorld::destroy(world);
  RVLBasicWorld::destroy(host);
}

}  // namespace
