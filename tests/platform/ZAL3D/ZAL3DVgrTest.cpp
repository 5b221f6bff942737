#include <ZAL3DBagRep.h>
#include <ZAL3DBoxRep.h>
#include <ZAL3DCylinderRep.h>
#include <ZAL3DMeshRep.h>
#include <ZAL3DSphereRep.h>
#include <ZAL3DVgr.h>
#include <ZALMathStream.h>

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

using Bytes = std::vector<unsigned char>;
using RepPtr = std::unique_ptr<ZAL3DRep, ZAL3DRep::Disposer>;

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

RepPtr Read(const Bytes& buffer, std::size_t length)
{
  return RepPtr(ZALReadVgr(buffer.data(), static_cast<int>(length)));
}

RepPtr Read(const Bytes& buffer)
{
  return Read(buffer, buffer.size());
}

TEST(ThreeDVgr, EveryKindOfNodeReadsBackEqualAndWritesTheSameBytes)
{
  const RepPtr tree = SampleTree();
  const Bytes bytes = Written(*tree);
  const RepPtr read = Read(bytes);
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->IsEqual(*tree));
  EXPECT_EQ(bytes, Written(*read));

  // each node also stands alone as a tree, and a change of one number tells trees apart
  const auto& bag = static_cast<const ZAL3DBagRep&>(*read);
  for (int i = 0; i < bag.GetChildCount(); ++i) {
    const RepPtr alone = Read(Written(*bag.GetChild(i)));
    ASSERT_TRUE(alone) << "child " << i;
    EXPECT_TRUE(alone->IsEqual(*bag.GetChild(i))) << "child " << i;
    EXPECT_FALSE(alone->IsEqual(*read)) << "child " << i;
  }
  EXPECT_EQ("file:///parts/crank arm.stl", static_cast<const ZAL3DMeshRep&>(*bag.GetChild(2)).GetUri());
  bag.GetChild(1)->SetColour(kRed);
  EXPECT_FALSE(read->IsEqual(*tree));
}

TEST(ThreeDVgr, SettingsAndTheColourMapChooseWhatIsWrittenAndTheHeaderKeepsThem)
{
  const RepPtr tree = SampleTree();
  const auto& box = *static_cast<const ZAL3DBagRep&>(*tree).GetChild(0);

  const ZAL3DColourMap redToBlue{{kRed, {0, 0, 255, 255}}};
  const RepPtr mapped = Read(Written(*tree, kEverything, &redToBlue, 5));
  ASSERT_TRUE(mapped);
  const auto& mappedBag = static_cast<const ZAL3DBagRep&>(*mapped);
  EXPECT_EQ((ZAL3DColour{0, 0, 255, 255}), mappedBag.GetChild(0)->GetColour());
  EXPECT_EQ(tree->GetColour(), mapped->GetColour()) << "a colour not in the map";

  const RepPtr bare = Read(Written(*tree, 0));
  ASSERT_TRUE(bare);
  EXPECT_EQ(ZALMathTransformation(), static_cast<const ZAL3DBagRep&>(*bare).GetChild(0)->GetPlacement());
  EXPECT_EQ(ZAL3DColour(), static_cast<const ZAL3DBagRep&>(*bare).GetChild(0)->GetColour());

  // the scene graph alone keeps placements and leaves colours out
  Bytes graph;
  int length = 0;
  ASSERT_EQ(S_OK, ZALWriteSceneGraph(tree.get(), graph, length, kEverything));
  const RepPtr shapes = Read(graph);
  ASSERT_TRUE(shapes);
  EXPECT_EQ(box.GetPlacement(), static_cast<const ZAL3DBagRep&>(*shapes).GetChild(0)->GetPlacement());
  EXPECT_EQ(ZAL3DColour(), static_cast<const ZAL3DBagRep&>(*shapes).GetChild(0)->GetColour());

  int settings = 0;
  int flag = 0;
  const Bytes flagged = Written(*tree, kEverything, nullptr, 5);
  ASSERT_EQ(S_OK, ZALReadVgrSettings(flagged.data(), static_cast<int>(flagged.size()), settings, flag));
  EXPECT_EQ(kEverything, settings);
  EXPECT_EQ(5, flag);
  ASSERT_EQ(S_OK, ZALReadVgrSettings(graph.data(), static_cast<int>(graph.size()), settings, flag));
  EXPECT_EQ(kEverything & ~kZAL3DWriteColours, settings);
  EXPECT_EQ(0, flag);
  EXPECT_EQ(E_FAIL, ZALReadVgrSettings(graph.data(), 23, settings, flag));
  EXPECT_EQ(0, settings);
}

TEST(ThreeDVgr, WritingRefusesNoNodeAndTreesTooDeepToReadBack)
{
  Bytes buffer{1, 2, 3};
  int length = 3;
  EXPECT_EQ(E_FAIL, ZALWriteVgr(nullptr, buffer, length, kEverything, nullptr, 0));
  EXPECT_TRUE(buffer.empty());
  EXPECT_EQ(0, length);

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
  EXPECT_EQ(E_FAIL, ZALWriteSceneGraph(chain.get(), buffer, length, kEverything));
  EXPECT_EQ(0, length);
}

TEST(ThreeDVgr, ADamagedBufferGivesNoTree)
{
  const Bytes bytes = Written(*SampleTree());
  for (std::size_t cut = 0; cut < bytes.size(); ++cut) EXPECT_FALSE(Read(bytes, cut)) << "cut at " << cut;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    Bytes changed = bytes;
    changed[at] ^= 0x81;
    EXPECT_FALSE(Read(changed)) << "byte " << at;
  }
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> where(0, bytes.size() - 1);
  for (int round = 0; round < 500; ++round) {
    Bytes changed = bytes;
    for (int n = 0; n < 3; ++n) changed[where(random)] += static_cast<unsigned char>(1 + round % 255);
    if (changed == bytes) continue;  // two changes undid each other
    EXPECT_FALSE(Read(changed)) << "round " << round;
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
  const RepPtr sphere(ZAL3DSphereRep::CreateRep(2.0));
  const Bytes bytes = Written(*sphere, 0);
  ASSERT_EQ(ZALMathStream::kFrameHeaderLength + 16, static_cast<int>(bytes.size()));
  ASSERT_TRUE(Read(Reframed(bytes))) << "the well-formed control";

  Bytes unknownKind = bytes;
  unknownKind[24] = 99;
  EXPECT_FALSE(Read(Reframed(unknownKind)));
  Bytes negative = bytes;
  negative[39] |= 0x80;  // the sign bit of the radius
  EXPECT_FALSE(Read(Reframed(negative)));
  Bytes trailing = bytes;
  trailing.push_back(0);
  EXPECT_FALSE(Read(Reframed(trailing))) << "a byte after the tree";

  const RepPtr bag(ZAL3DBagRep::CreateRep());
  Bytes children = Written(*bag, 0);
  children[32] = 1;  // one child announced, none there
  EXPECT_FALSE(Read(Reframed(children)));
}

}  // namespace
