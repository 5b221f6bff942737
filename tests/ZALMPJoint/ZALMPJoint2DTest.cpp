// The planar joint: its frames come from its loader alone, and its planar
// bodies leave with their orientations. How they are written at each layout
// is the joint layout test's (JointLayout).

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALIMPJoint2DLoader.h>
#include <ZALMPBody2D.h>
#include <ZALMPUserDefined2D.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Orientation = ZALMPBodyOrientation;

// Gives two frames and solver type 8.
class TwoFramesLoader : public ZALIMPJoint2DLoader {
public:
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  HRESULT GetFrames(std::vector<ZALMathAxis2D>& frames) override
  {
    frames.emplace_back();
    frames.emplace_back(ZALMathPoint2D(1, 2), ZALMathVector2D(0, 1), ZALMathVector2D(-1, 0));
    return S_OK;
  }
  HRESULT GetSolverEquivalentJointType(ZALMPSolverEquivalentJointType::Enum& type) override
  {
    type = static_cast<ZALMPSolverEquivalentJointType::Enum>(8);
    return S_OK;
  }
};

TEST(Joint2DFrames, WithoutALoaderThereIsNoneAndWithOneTheyAreTheLoaders)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPUserDefined2D> joint = ZALMPUserDefined2D::create(L"hinge");
  std::vector<ZALMathAxis2D> frames(1);
  ZALMathAxis2D frame;
  auto type = static_cast<ZALMPSolverEquivalentJointType::Enum>(3);
  EXPECT_EQ(S_FALSE, joint->GetFrames(frames));
  EXPECT_EQ(1u, frames.size()) << "the list is untouched";
  EXPECT_EQ(0, joint->GetFrameCount());
  EXPECT_EQ(E_FAIL, joint->GetFrame(0, frame));
  EXPECT_EQ(S_FALSE, joint->GetSolverEquivalentJointType(type));
  EXPECT_EQ(3, type);

  joint->SetLoader(new TwoFramesLoader());
  EXPECT_EQ(2, joint->GetFrameCount());
  EXPECT_EQ(S_OK, joint->GetFrame(1, frame));
  EXPECT_EQ(ZALMathPoint2D(1, 2), frame.GetOrigin());
  for (const int outside : {-1, 2}) EXPECT_EQ(E_FAIL, joint->GetFrame(outside, frame)) << outside;
  EXPECT_EQ(S_OK, joint->GetSolverEquivalentJointType(type));
  EXPECT_EQ(8, type);
  EXPECT_EQ(0, reports.Count());
}

TEST(Joint2DLinks, OrphaningAsksTheConstraintsThenThePlanarBodiesAndEmptiesTheLists)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPUserDefined2D> joint = ZALMPUserDefined2D::create(L"hinge");
  const RVLSharedHandle<ZALMPJoint2D> kept = joint;
  const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"tie");
  const RVLSharedHandle<ZALMPBody2D> first = ZALMPBody2D::create(L"first"), second = ZALMPBody2D::create(L"second");
  joint->LinkToBody(first, Orientation::Out);
  joint->LinkToBody(second, Orientation::In);
  joint->AddConstraint(constraint);
  constraint->SetJoint(joint);
  first->LinkToJoint(joint);
  second->LinkToJoint(joint);

  ZALMPUserDefined2D::destroy(joint);
  RVLSharedHandle<ZALMPJoint> held;
  EXPECT_EQ(E_FAIL, constraint->GetJoint(held));
  EXPECT_EQ(0, first->GetLinkedJointCount() + second->GetLinkedJointCount());
  EXPECT_EQ(0, kept->GetLinkedBodyCount() + kept->GetConstraintCount());
  EXPECT_EQ(0, reports.Count());
}

}  // namespace
