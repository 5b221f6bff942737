// A joint's frames worked out from the geometry its constraints use, checked
// against frames worked out by hand.

#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPPoint.h>
#include <ZALMPRevolute.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>
#include <ZALMathTransformation.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Body A is turned a quarter about z and moved to (1, 2, 3); body B is moved
// to (0, 0, 5). The joint links A, B and the global body; its constraint uses
// an axis system and a point of A.
class JointFrames : public ::testing::Test {
protected:
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Host");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  RVLSharedHandle<ZALMPBody> a = ZALMPBody::create(L"A"), b = ZALMPBody::create(L"B"), global;
  RVLSharedHandle<ZALMPRevolute> joint = ZALMPRevolute::create(L"joint");
  RVLSharedHandle<TestConstraint> constraint = TestConstraint::create(L"constraint");
  RVLSharedHandle<ZALMPAxisSystem> axes = ZALMPAxisSystem::create(L"axes");
  RVLSharedHandle<ZALMPPoint> point = ZALMPPoint::create(L"point");

  void SetUp() override
  {
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
  void TearDown() override
  {
    ZALMPWorld::destroy(world);
    RVLBasicWorld::destroy(host);
  }

  std::vector<ZALMathAxis> Frames(int type, bool inBodyFrame, HRESULT expected = S_OK)
  {
    ZALMPSolverEquivalentJointType::Enum solverType{type};
    joint->SetSolverEquivalentJointType(solverType);
    std::vector<ZALMathAxis> frames;
    EXPECT_EQ(expected, joint->GetFrames(frames, inBodyFrame, 1)) << "type " << type;
    return frames;
  }
};

const ZALMathAxis kCanonical;

TEST_F(JointFrames, AnAxisSystemTypeTakesTheAxisSystemUsedOnEachBodyElseItsPlacement)
{
  // In the world: A's axis system through A's placement, B's placement, the
  // default axis for the global body.
  const std::vector<ZALMathAxis> inWorld = {ZALMathAxis({1, 3, 3}, {0, 0, 1}, {0, 1, 0}, {-1, 0, 0}),
                                            ZALMathAxis({0, 0, 5}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}), kCanonical};
  for (const int type : {0, 8, 32}) EXPECT_EQ(inWorld, Frames(type, false)) << "type " << type;
  // In each body's frame: the axis system as it is, B's placement seen from B.
  ZALMathAxis own;
  axes->GetAxisSystem(own);
  EXPECT_EQ((std::vector<ZALMathAxis>{own, kCanonical, kCanonical}), Frames(8, true));
}

TEST_F(JointFrames, APointTypeMovesThePlacementToThePointUsedAndAPlacementTypeKeepsIt)
{
  EXPECT_EQ((std::vector<ZALMathAxis>{ZALMathAxis({1, 4, 3}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}),
                                      ZALMathAxis({0, 0, 5}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}), kCanonical}),
            Frames(17, false));
  EXPECT_EQ((std::vector<ZALMathAxis>{ZALMathAxis({2, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}), kCanonical,
                                      kCanonical}),
            Frames(23, true));
  EXPECT_EQ((std::vector<ZALMathAxis>{ZALMathAxis({1, 2, 3}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}),
                                      ZALMathAxis({0, 0, 5}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}), kCanonical}),
            Frames(19, false));
}

TEST_F(JointFrames, AnotherTypeOrNoneAsksTheLoaderAndWithoutOneThereAreNoFrames)
{
  EXPECT_TRUE(Frames(5, false, S_FALSE).empty());
  std::vector<ZALMathAxis> frames;
  EXPECT_EQ(S_FALSE, joint->GetFrames(frames, 0, 0)) << "no loader";
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ(0, joint->GetFrameCount());
  ZALMathAxis frame({9, 9, 9}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1});
  EXPECT_EQ(E_FAIL, joint->GetFrame(0, frame, 0));
  ZALMPSolverEquivalentJointType::Enum type{42};
  EXPECT_EQ(S_FALSE, joint->GetSolverEquivalentJointType(type));
  EXPECT_EQ(42, type) << "untouched without a loader";

  // A joint given no type computes nothing from geometry.
  const RVLSharedHandle<ZALMPRevolute> untyped = ZALMPRevolute::create(L"untyped");
  untyped->LinkToBody(a, ZALMPBodyOrientation::Out);
  EXPECT_EQ(S_FALSE, untyped->GetFrames(frames, 0, 1));
  EXPECT_TRUE(frames.empty());
}

}  // namespace
