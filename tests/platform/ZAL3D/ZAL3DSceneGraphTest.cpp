// The scene-graph tree, bags and nodes, and the buffers it is written to:
// whole, a buffer reads back equal and writes the same bytes; cut, changed or
// holding content no node can have, it gives no tree.

#include <ZAL3DBagRep.h>
#include <ZAL3DBoxRep.h>
#include <ZAL3DCylinderRep.h>
#include <ZAL3DMeshRep.h>
#include <ZAL3DSphereRep.h>
#include <ZAL3DVgr.h>
#include <ZALMathStream.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

namespace {

using Bytes = std::vector<unsigned char>;
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

constexpr int kEverything = 71;  // placements, colours and bits that change nothing
constexpr ZAL3DColour kRed{200, 0, 0, 255};

// A root bag holding every kind of node, and a bag inside it, with numbers
// whose every bit matters.
RepPtr SampleTree()
{
  ZAL3DBagRep* const root = ZAL3DBagRep::CreateRep();
  RepPtr tree(root);
  root->SetPlacement(ZALMathTransformation(ZALMath3x3Matrix({0.0, 1.0, 0.0}, {-1.0, 0.0, 0.0}, {0.0, 0.0, 1.0}),
                                           {1.0 / 3.0, -0.0, 1e300}));
  root->SetColour({10, 20, 30, 128});
  ZAL3DRep* const box = ZAL3DBoxRep::CreateRep(1.0, 2.5, 1e-9);
  box->SetColour(kRed);
  box->SetPlacement(ZALMathTransformation(ZALMath3x3Matrix(), {0.0, 0.0, 2.0 / 3.0}));
  root->AddChild(box);
  root->AddChild(ZAL3DCylinderRep::CreateRep(0.1, 4.0));
  root->AddChild(ZAL3DMeshRep::CreateRep("file:///parts/crank arm.stl"));
  ZAL3DBagRep* const inner = ZAL3DBagRep::CreateRep();
  inner->AddChild(ZAL3DSphereRep::CreateRep(0.75));
  inner->AddChild(ZAL3DBagRep::CreateRep());
  root->AddChild(inner);
  return tree;
}

Bytes Written(const ZAL3DRep& node, int settings = kEverything, const ZAL3DColourMap* colourMap = nullptr,
              int flag = 0)
{
  Bytes buffer;
  int length = -1;
  EXPECT_EQ(S_OK, ZALWriteVgr(&node, buffer, length, settings, colourMap, flag));
  EXPECT_EQ(buffer.size(), static_cast<std::size_t>(length));
  return buffer;
}

// The tree read from `buffer` (its first `length` bytes only, if fewer).
RepPtr Read(const Bytes& buffer, std::size_t length = SIZE_MAX)
{
  return RepPtr(ZALReadVgr(buffer.data(), static_cast<int>(std::min(length, buffer.size()))));
}

// The child at `index` of the bag `tree`.
const ZAL3DRep& Child(const RepPtr& tree, int index)
{
  return *static_cast<const ZAL3DBagRep&>(*tree).GetChild(index);
}

TEST(ThreeDVgr, EveryKindOfNodeReadsBackEqualAndWritesTheSameBytes)
{
  const RepPtr tree = SampleTree();
  const Bytes bytes = Written(*tree);
  const RepPtr read = Read(bytes);
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->IsEqual(*tree));
  EXPECT_EQ(bytes, Written(*read));

  // a change of one number tells trees apart; a lone node as a tree is read back by the shapes' tests
  static_cast<const ZAL3DBagRep&>(*read).GetChild(1)->SetColour(kRed);
  EXPECT_FALSE(read->IsEqual(*tree));
}

// That the scene graph alone is written with the colour bit cleared and flag 0
// is checked through the switch that makes a shape write it.
TEST(ThreeDVgr, SettingsAndTheColourMapChooseWhatIsWrittenAndTheHeaderKeepsThem)
{
  const RepPtr tree = SampleTree();
  const ZAL3DColourMap redToBlue{{kRed, {0, 0, 255, 255}}};
  const Bytes flagged = Written(*tree, kEverything, &redToBlue, 5);
  Bytes graph;
  int length = 0, settings = 0, flag = 0;
  ASSERT_EQ(S_OK, ZALWriteSceneGraph(tree.get(), graph, length, kEverything));
  const RepPtr mapped = Read(flagged), bare = Read(Written(*tree, 0)), shapes = Read(graph);
  ASSERT_TRUE(mapped && bare && shapes);
  EXPECT_EQ((ZAL3DColour{0, 0, 255, 255}), Child(mapped, 0).GetColour());
  EXPECT_EQ(tree->GetColour(), mapped->GetColour()) << "a colour not in the map";
  // without their bits placements and colours read back as the defaults; the scene graph alone keeps placements
  EXPECT_EQ(ZALMathTransformation(), Child(bare, 0).GetPlacement());
  EXPECT_EQ(ZAL3DColour(), Child(bare, 0).GetColour());
  EXPECT_EQ(Child(tree, 0).GetPlacement(), Child(shapes, 0).GetPlacement());
  EXPECT_EQ(ZAL3DColour(), Child(shapes, 0).GetColour());

  ASSERT_EQ(S_OK, ZALReadVgrSettings(flagged.data(), static_cast<int>(flagged.size()), settings, flag));
  EXPECT_EQ(kEverything, settings);
  EXPECT_EQ(5, flag);
  EXPECT_EQ(E_FAIL, ZALReadVgrSettings(flagged.data(), 23, settings, flag));
  EXPECT_EQ(0, settings);
}

TEST(ThreeDVgr, WritingRefusesNoNodeAndTreesTooDeepToReadBack)
{
  // a chain of bags as deep as a reader accepts, then one deeper
  ZAL3DBagRep* deepest = ZAL3DBagRep::CreateRep();
  const RepPtr chain(deepest);
  for (int depth = 1; depth < ZALMathStream::kMaxRecordDepth; ++depth) {
    ZAL3DBagRep* const next = ZAL3DBagRep::CreateRep();
    deepest->AddChild(next);
    deepest = next;
  }
  const RepPtr read = Read(Written(*chain));
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->IsEqual(*chain));
  deepest->AddChild(ZAL3DSphereRep::CreateRep(1.0));
  Bytes buffer{1, 2, 3};
  int length = 3;
  EXPECT_EQ(E_FAIL, ZALWriteSceneGraph(chain.get(), buffer, length, kEverything));
  EXPECT_TRUE(buffer.empty() && length == 0);
  EXPECT_EQ(E_FAIL, ZALWriteVgr(nullptr, buffer, length, kEverything, nullptr, 0));
}

TEST(ThreeDVgr, ABufferCutShortOrWithAChangedByteGivesNoTree)
{
  const Bytes bytes = Written(*SampleTree());
  for (std::size_t cut = 0; cut < bytes.size(); ++cut) EXPECT_FALSE(Read(bytes, cut)) << "cut at " << cut;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    Bytes changed = bytes;
    changed[at] ^= 0x81;
    EXPECT_FALSE(Read(changed)) << "byte " << at;
  }
  EXPECT_EQ(nullptr, ZALReadVgr(nullptr, 40));
  EXPECT_EQ(nullptr, ZALReadVgr(bytes.data(), -1));
}

// Makes the header agree again with changed content: its length and CRC-32.
Bytes Reframed(Bytes bytes)
{
  const std::size_t body = bytes.size() - ZALMathStream::kFrameHeaderLength;
  const auto put = [&](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
  };
  put(16, static_cast<std::uint32_t>(body));
  put(20, ZALMathStream::Checksum(bytes.data() + ZALMathStream::kFrameHeaderLength, body,
                                  ZALMathStream::Checksum(bytes.data(), 20)));
  return bytes;
}

TEST(ThreeDVgr, ContentIsCheckedBehindAMatchingChecksum)
{
  // with settings 0 a node's record is its kind, its length and its own numbers
  const Bytes sphere = Written(*RepPtr(ZAL3DSphereRep::CreateRep(2.0)), 0);
  ASSERT_EQ(ZALMathStream::kFrameHeaderLength + 16, static_cast<int>(sphere.size()));
  ASSERT_TRUE(Read(Reframed(sphere))) << "the well-formed control";
  const Bytes bag = Written(*RepPtr(ZAL3DBagRep::CreateRep()), 0);
  const auto refused = [](Bytes bytes, std::size_t at, int value) {
    bytes.resize(std::max(bytes.size(), at + 1));
    bytes[at] = static_cast<unsigned char>(value);
    return !Read(Reframed(bytes));
  };
  EXPECT_TRUE(refused(sphere, 24, 99)) << "an unknown kind";
  EXPECT_TRUE(refused(sphere, 39, sphere[39] | 0x80)) << "a negative radius";
  EXPECT_TRUE(refused(sphere, sphere.size(), 0)) << "a byte after the tree";
  EXPECT_TRUE(refused(bag, 32, 1)) << "one child announced, none there";
}

}  // namespace
