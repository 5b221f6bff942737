// A joint's frames worked out from the geometry its constraints use, checked
// against frames worked out by hand.

#include "ZALMPTestKinds.h"
#include "ZALMPWorldFixture.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPPoint.h>
#include <ZALMPRevolute.h>
#include <ZALMPWorld.h>

#include <ZALMathTransformation.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Body A is turned a quarter about z and moved to (1, 2, 3); body B is moved
// to (0, 0, 5). The joint links A, B and the global body; its constraint uses
// an axis system and a point of A.
class JointFrames : public WorldFixture {
protected:
  RVLSharedHandle<ZALMPBody> a = ZALMPBody::create(L"A"), b = ZALMPBody::create(L"B"), global;
  RVLSharedHandle<ZALMPRevolute> joint = ZALMPRevolute::create(L"joint");
  RVLSharedHandle<ZALMPAxisSystem> axes = ZALMPAxisSystem::create(L"axes");

  void SetUp() override
  {
    const RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"constraint");
    const RVLSharedHandle<ZALMPPoint> point = ZALMPPoint::create(L"point");
    world->GetGlobalBody(global);
    a->SetPosition(ZALMathTransformation(ZALMath3x3Matrix({0, 1, 0}, {-1, 0, 0}, {0, 0, 1}), {1, 2, 3}), 0);
    b->SetPosition(ZALMathTransformation(ZALMath3x3Matrix(), {0, 0, 5}), 0);
    axes->SetAxisSystem(ZALMathAxis({1, 0, 0}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0}));
    point->SetPoint({2, 0, 0});
    for (const RVLSharedHandle<ZALMPGeometry>& geometry : RVLSharedVector<ZALMPGeometry>{point, axes}) {
      geometry->SetBody(a);
      constraint->LinkToGeometry(geometry);
    }
    for (const RVLSharedHandle<ZALMPBody>& body : {a, b, global}) joint->LinkToBody(body, ZALMPBodyOrientation::Out);
    joint->AddConstraint(constraint);
    world->Add<ZALMPBody>(a);
    world->Add<ZALMPBody>(b);
    world->Add<ZALMPJoint>(joint);
  }
};

// Types 0, 8 and 32 take the axis system a constraint uses on each body (else
// the body's placement), 17 and 23 move the placement to the point used, 19
// keeps the placement; the global body's frame is the default axis whatever the
// type. In body frames, what was known in the world goes through the inverse
// placement.
TEST_F(JointFrames, AxisSystemAndPointTypesTakeTheGeometryUsedOnEachBodyAndAPlacementTypeThePlacement)
{
  const ZALMathAxis canonical, ownAxes({1, 0, 0}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
  const ZALMathAxis axesInWorld({1, 3, 3}, {0, 0, 1}, {0, 1, 0}, {-1, 0, 0});
  const ZALMathAxis bPlaced({0, 0, 5}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1});
  const struct {
    int type;
    bool inBodyFrame;
    std::vector<ZALMathAxis> frames;  // of A, B and the global body
  } rows[] = {
      {0, false, {axesInWorld, bPlaced, canonical}},
      {8, false, {axesInWorld, bPlaced, canonical}},
      {32, false, {axesInWorld, bPlaced, canonical}},
      {8, true, {ownAxes, canonical, canonical}},
      {17, false, {ZALMathAxis({1, 4, 3}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}), bPlaced, canonical}},
      {23, true, {ZALMathAxis({2, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}), canonical, canonical}},
      {19, false, {ZALMathAxis({1, 2, 3}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}), bPlaced, canonical}},
      {5, false, {}},  // another type asks the loader, and there is none
  };
  for (const auto& row : rows) {
    ZALMPSolverEquivalentJointType::Enum type{row.type};
    joint->SetSolverEquivalentJointType(type);
    std::vector<ZALMathAxis> frames;
    EXPECT_EQ(row.frames.empty() ? S_FALSE : S_OK, joint->GetFrames(frames, row.inBodyFrame, 1)) << row.type;
    EXPECT_EQ(row.frames, frames) << "type " << row.type << (row.inBodyFrame ? " in body frames" : "");
  }
}

TEST_F(JointFrames, WithoutALoaderFramesComeOnlyFromGeometryOfAGivenTypeWhichTheJointDoesNotAnswer)
{
  const RVLSharedHandle<ZALMPRevolute> untyped = ZALMPRevolute::create(L"untyped");
  untyped->LinkToBody(a, ZALMPBodyOrientation::Out);
  std::vector<ZALMathAxis> frames;
  EXPECT_EQ(S_FALSE, untyped->GetFrames(frames, 0, 1)) << "no type, no frames from geometry";
  ZALMathAxis frame;
  EXPECT_EQ(E_FAIL, joint->GetFrame(0, frame, 0));
  ZALMPSolverEquivalentJointType::Enum type{8};
  joint->SetSolverEquivalentJointType(type);
  EXPECT_EQ(S_FALSE, joint->GetFrames(frames, 0, 0));
  EXPECT_TRUE(frames.empty()) << "a typed joint has no frames but from geometry either";
  type = ZALMPSolverEquivalentJointType::Enum{42};
  EXPECT_EQ(S_FALSE, joint->GetSolverEquivalentJointType(type)) << "the type given is only for the frames";
  EXPECT_EQ(42, type);
}

}  // namespace
