#include <ZAL3DBagRep.h>
#include <ZAL3DBoxRep.h>
#include <ZAL3DCylinderRep.h>
#include <ZAL3DMeshRep.h>
#include <ZAL3DSphereRep.h>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

using RepPtr = std::unique_ptr<ZAL3DRep, ZAL3DRep::Disposer>;

TEST(ThreeDBag, ABagOwnsItsChildrenAndADisposedNodeLeavesItsBag)
{
  const RepPtr root(ZAL3DBagRep::CreateRep());
  auto& bag = static_cast<ZAL3DBagRep&>(*root);
  ZAL3DRep* const box = ZAL3DBoxRep::CreateRep(1.0, 2.0, 3.0);
  ZAL3DRep* const sphere = ZAL3DSphereRep::CreateRep(0.5);
  ZAL3DBagRep* const inner = ZAL3DBagRep::CreateRep();
  ASSERT_EQ(S_OK, bag.AddChild(box));
  ASSERT_EQ(S_OK, bag.AddChild(inner));
  ASSERT_EQ(S_OK, inner->AddChild(sphere));
  ASSERT_EQ(S_OK, inner->AddChild(ZAL3DMeshRep::CreateRep("file:///parts/wheel.obj")));
  EXPECT_EQ(&bag, box->GetParent());

  // refusals change nothing
  EXPECT_EQ(S_FALSE, bag.AddChild(box));
  EXPECT_EQ(E_FAIL, bag.AddChild(nullptr));
  EXPECT_EQ(E_FAIL, bag.AddChild(&bag));
  EXPECT_EQ(E_FAIL, inner->AddChild(&bag)) << "a bag cannot hold what holds it";
  EXPECT_EQ(S_FALSE, bag.RemoveChild(sphere)) << "a grandchild is not a child";
  EXPECT_EQ(2, bag.GetChildCount());

  // a child of another bag moves
  ASSERT_EQ(S_OK, bag.AddChild(sphere));
  EXPECT_EQ(1, inner->GetChildCount());
  EXPECT_EQ(sphere, bag.GetChild(2));

  // disposing of a child takes it out of its bag; the bag then keeps its order
  box->Dispose();
  ASSERT_EQ(2, bag.GetChildCount());
  EXPECT_EQ(inner, bag.GetChild(0));
  EXPECT_EQ(nullptr, bag.GetChild(2));

  // a removed child is the caller's again; the inner bag and its mesh go with the root
  ASSERT_EQ(S_OK, bag.RemoveChild(sphere));
  const RepPtr taken(sphere);
  EXPECT_EQ(nullptr, sphere->GetParent());
  EXPECT_EQ(1, bag.GetChildCount());
}

TEST(ThreeDBag, NodesRefuseNumbersAViewerCannotDraw)
{
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(nullptr, ZAL3DBoxRep::CreateRep(1.0, 0.0, 1.0));
  EXPECT_EQ(nullptr, ZAL3DBoxRep::CreateRep(1.0, 1.0, inf));
  EXPECT_EQ(nullptr, ZAL3DCylinderRep::CreateRep(-1.0, 1.0));
  EXPECT_EQ(nullptr, ZAL3DSphereRep::CreateRep(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ(nullptr, ZAL3DMeshRep::CreateRep(""));

  const RepPtr cylinder(ZAL3DCylinderRep::CreateRep(0.25, 2.0));
  const ZALMathTransformation shifted(ZALMath3x3Matrix(), {1.0, 2.0, 3.0});
  ASSERT_EQ(S_OK, cylinder->SetPlacement(shifted));
  EXPECT_EQ(E_FAIL, cylinder->SetPlacement(ZALMathTransformation(ZALMath3x3Matrix(), {0.0, inf, 0.0})));
  EXPECT_EQ(shifted, cylinder->GetPlacement()) << "unchanged";
}

}  // namespace
