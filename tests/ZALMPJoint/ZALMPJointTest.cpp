// A joint's links to bodies (with their orientations) and constraints: how
// they are made, read at each layout, dropped when the joint is orphaned, and
// re-made in a filtered copy of a world.

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"
#include "ZALMPWorldFixture.h"

#include <ZALMPRevolute.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Orientation = ZALMPBodyOrientation;
using Bodies = std::vector<std::pair<std::wstring, Orientation::Enum>>;

// The joint's bodies in order, each with its orientation.
Bodies BodiesOf(const ZALMPJoint& joint)
{
  Bodies bodies;
  for (int i = 0; i < joint.GetLinkedBodyCount(); ++i) {
    RVLSharedHandle<ZALMPBody> body;
    Orientation::Enum orientation = Orientation::In;
    EXPECT_EQ(S_OK, joint.GetLinkedBody(i, body, orientation));
    bodies.emplace_back(body ? body->getEntityName() : L"<none>", orientation);
  }
  return bodies;
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
  EXPECT_EQ((Bodies{{L"first", Orientation::Out}, {L"second", Orientation::In}}), BodiesOf(*joint));

  EXPECT_EQ(S_OK, joint->RemoveBody(first));
  EXPECT_EQ(S_FALSE, joint->RemoveBody(first));
  EXPECT_EQ(E_FAIL, joint->RemoveBody(nullptr));
  EXPECT_EQ((Bodies{{L"second", Orientation::In}}), BodiesOf(*joint)) << "the orientation leaves with its body";
  RVLSharedHandle<ZALMPBody> outside = first;
  EXPECT_EQ(E_FAIL, joint->GetLinkedBody(1, outside));
  EXPECT_FALSE(outside);
  EXPECT_EQ(2, reports.Count()) << "the empty handles";
}

// How the link table answers while it detaches is the body's test
// (BodyDetach); here, whom a joint asks and in which order. The body no longer
// alive keeps no link of its own to the joint, as destroying it would drop it.
TEST(JointLinks, OrphaningAsksTheConstraintsThenTheBodiesAndStopsAtABodyNoLongerAlive)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPRevolute> joint = ZALMPRevolute::create(L"joint");
  const RVLSharedHandle<ZALMPJoint> orphaned = joint;
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"constraint");
  const RVLSharedHandle<ZALMPBody> asked = ZALMPBody::create(L"asked"), gone = ZALMPBody::create(L"gone"),
                                   after = ZALMPBody::create(L"after");
  joint->AddConstraint(constraint);
  constraint->SetJoint(joint);
  for (const RVLSharedHandle<ZALMPBody>& body : {asked, gone, after}) joint->LinkToBody(body, Orientation::In);
  asked->LinkToJoint(joint);
  after->LinkToJoint(joint);
  RVLSharedHandle<ZALMPBody> destroyed = gone;
  ZALMPBody::destroy(destroyed);

  ZALMPRevolute::destroy(joint);
  RVLSharedHandle<ZALMPJoint> held;
  EXPECT_EQ(E_FAIL, constraint->GetJoint(held)) << "the constraint was asked";
  EXPECT_EQ(0, asked->GetLinkedJointCount()) << "and the first body";
  EXPECT_EQ(1, after->GetLinkedJointCount()) << "a body after the one no longer alive is not asked";
  EXPECT_EQ(1, reports.Count());
  EXPECT_EQ(0, orphaned->GetLinkedBodyCount() + orphaned->GetConstraintCount()) << "both lists are emptied";
}

// A world of two bodies linked In to a joint. Planar joints keep their bodies
// through the same link, and the kind conformance test pins what both write.
class JointLayout : public WorldFixture {
protected:
  void SetUp() override
  {
    const RVLSharedHandle<ZALMPRevolute> joint = ZALMPRevolute::create(L"joint");
    for (const wchar_t* name : {L"first", L"second"}) {
      const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(name);
      joint->LinkToBody(body, Orientation::In);
      body->LinkToJoint(joint);
      world->Add<ZALMPBody>(body);
    }
    world->Add<ZALMPJoint>(joint);
  }
  std::string Written(std::wstring_view version) const
  {
    std::string text;
    EXPECT_TRUE(ZALMPXml::Write(*world, text, version).Ok());
    return text;
  }
  // The joint's bodies read back from `text`, with the warnings of reading it.
  static Bodies Read(const std::string& text, std::vector<ZALMPXmlWarning>& warnings)
  {
    ZALMPXmlModel model;
    EXPECT_TRUE(ZALMPXml::Read(text, model).Ok());
    warnings = model.warnings;
    RVLSharedHandle<ZALMPJoint> joint;
    model.world->Get<ZALMPJoint>(0, joint);
    return BodiesOf(*joint);
  }
};

// From R2017.1 on, a body read without its orientation is left out (reported
// in the joint's element) and only "In" reads In.
TEST_F(JointLayout, BeforeR2017_1EveryBodyReadsOutAndFromItABodyWithoutItsOrientationIsLeftOut)
{
  const std::string old = Written(ZALMPVersion::kR2017_0);
  EXPECT_EQ(std::string::npos, old.find("bodyOrientation")) << old;
  std::vector<ZALMPXmlWarning> warnings;
  EXPECT_EQ((Bodies{{L"first", Orientation::Out}, {L"second", Orientation::Out}}), Read(old, warnings));
  EXPECT_TRUE(warnings.empty());

  const std::string in = " bodyOrientation=\"In\"";
  const std::string text = Replaced(Replaced(Written(ZALMPVersion::kR2017_1), in, ""), in, " bodyOrientation=\"in\"");
  EXPECT_EQ((Bodies{{L"second", Orientation::Out}}), Read(text, warnings));
  ASSERT_EQ(1u, warnings.size());
  EXPECT_NE(std::wstring::npos, warnings[0].element.find(L"<Revolute ")) << warnings[0].element;
}

using JointClone = WorldFixture;

// A link to an entity left out of the list is left out (WorldClone), so the
// joint copy has no body only because its side is not re-made.
TEST_F(JointClone, AFilteredCopyReMakesTheBodysSideAndTheConstraintsButNotTheJointsBodies)
{
  const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"body");
  const RVLSharedHandle<ZALMPRevolute> joint = ZALMPRevolute::create(L"joint");
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"constraint");
  joint->LinkToBody(body, Orientation::In);
  body->LinkToJoint(joint);
  joint->AddConstraint(constraint);
  constraint->SetJoint(joint);
  world->Add<ZALMPBody>(body);
  world->Add<ZALMPJoint>(joint);
  world->Add<ZALMPConstraint>(constraint);

  RVLSharedHandle<ZALMPWorld> copy = world->CloneWithFilter({body, joint, constraint});
  RVLSharedHandle<ZALMPBody> bodyCopy;
  RVLSharedHandle<ZALMPJoint> jointCopy, linked;
  RVLSharedHandle<ZALMPConstraint> constraintCopy, realised;
  copy->Get<ZALMPBody>(1, bodyCopy);
  copy->Get<ZALMPJoint>(0, jointCopy);
  copy->Get<ZALMPConstraint>(0, constraintCopy);
  ASSERT_TRUE(bodyCopy && jointCopy && constraintCopy);
  EXPECT_EQ(S_OK, bodyCopy->GetLinkedJoint(0, linked));
  EXPECT_EQ(jointCopy, linked);
  EXPECT_EQ(0, jointCopy->GetLinkedBodyCount());
  EXPECT_EQ(S_OK, jointCopy->GetConstraint(0, realised));
  EXPECT_EQ(constraintCopy, realised);
  ZALMPWorld::destroy(copy);
}

}  // namespace
