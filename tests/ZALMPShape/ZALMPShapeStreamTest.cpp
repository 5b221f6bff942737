// The outside objects that shapes carry: the scene-graph nodes of a 3D
// representation and the solid of a shape body, and the streams they keep
// them in. That both streams come back byte for byte through a saved world is
// pinned by the kind conformance test.

#include "ZALMPShapeStreamBytes.h"
#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMP3DRep.h>
#include <ZALMPShapeBody.h>

#include <ZAL3DBagRep.h>
#include <ZAL3DBoxRep.h>
#include <ZAL3DSphereRep.h>
#include <ZAL3DVgr.h>
#include <ZALITRVObjectsSave.h>
#include <ZALTRVFace.h>
#include <ZALTRVObjectList.h>
#include <ZALTRVPlane.h>
#include <ZALTRVStream.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

ZAL3DBoxRep* Box(double length)
{
  ZAL3DBoxRep* const box = ZAL3DBoxRep::CreateRep(length, 0.02, 0.01);
  box->SetColour({10, 20, 30, 255});
  box->SetPlacement(ZALMathTransformation(ZALMath3x3Matrix(), ZALMathVector(length / 2, 0, 0)));
  return box;
}

bool Reported(const ReportCapture& reports, const std::string& file)
{
  return std::find(reports.Files().begin(), reports.Files().end(), file) != reports.Files().end();
}

// `text` with its stream changed three ways: a character that is no Base64,
// its bytes cut short, one byte changed.
std::vector<std::string> Damaged(const std::string& text)
{
  std::vector<unsigned char> changed = StreamBytes(text);
  changed[changed.size() / 2] ^= 1;
  const std::vector<unsigned char> cut(changed.begin(), changed.end() - 3);
  return {Replaced(text, "stream=\"", "stream=\"!"), WithStream(text, cut), WithStream(text, changed)};
}

TEST(Rep3D, HoldsEachNodeInItsBagAndDisposesOfTheOneItLetsGo)
{
  const RVLSharedHandle<ZALMP3DRep> shape = ZALMP3DRep::create(L"Bar");
  ZAL3DBoxRep* const box = Box(1.0);
  EXPECT_EQ(S_OK, shape->Set3DRep(box));
  ZAL3DBagRep* const bag = box->GetParent();
  ASSERT_NE(nullptr, bag) << "the node is a child of the shape's bag";
  EXPECT_EQ(S_OK, shape->Set3DRep(box));
  EXPECT_EQ(box, shape->Get3DRep());
  EXPECT_EQ(1, bag->GetChildCount()) << "the node held again changes nothing";

  EXPECT_EQ(S_OK, shape->SetMasterRep(box));
  EXPECT_EQ(nullptr, shape->GetMasterRep()) << "one node is not held twice";
  ZAL3DSphereRep* const sphere = ZAL3DSphereRep::CreateRep(0.5);
  EXPECT_EQ(S_OK, shape->SetMasterRep(sphere));
  EXPECT_EQ(sphere, shape->GetMasterRep());
  EXPECT_EQ(S_OK, shape->Set3DRep(Box(2.0)));
  EXPECT_EQ(2, bag->GetChildCount()) << "the box let go of is disposed of, the master stays";
  EXPECT_EQ(S_OK, shape->Set3DRep(nullptr));
  EXPECT_EQ(nullptr, shape->Get3DRep());
  EXPECT_EQ(1, bag->GetChildCount());
  EXPECT_EQ(sphere, bag->GetChild(0));

  shape->Set3DRep(Box(3.0));
  const RVLSharedHandle<ZALMP3DRep> copy = ZALMP3DRep::clone(shape);
  ASSERT_NE(nullptr, copy->Get3DRep());
  EXPECT_NE(shape->Get3DRep(), copy->Get3DRep()) << "a copy holds nodes of its own";
  EXPECT_TRUE(copy->Get3DRep()->IsEqual(*shape->Get3DRep()));
  EXPECT_TRUE(copy->GetMasterRep()->IsEqual(*sphere));
}

TEST(Rep3DLayout, TheNodeComesBackNoneIsNotWrittenAndDamageChangesNothing)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMP3DRep> bare = ZALMP3DRep::create(L"Bare");
  const std::string none = WrittenXml(*bare);
  EXPECT_NE(std::string::npos, none.find("<Rep3D")) << none;
  EXPECT_EQ(std::string::npos, none.find("stream=")) << none;
  EXPECT_EQ(std::vector<std::string>{"ZALMPShape.m/src/ZALMP3DRep"}, reports.Files());
  reports.Clear();
  EXPECT_EQ(E_FAIL, ZALMP3DRep::create()->Deserialize(ReadXml(none).get(), {}));
  EXPECT_TRUE(Reported(reports, "ZALMPShape.m/src/ZALMP3DRep")) << "the missing stream";

  const RVLSharedHandle<ZALMP3DRep> source = ZALMP3DRep::create(L"Bar");
  ZAL3DBagRep* const bag = ZAL3DBagRep::CreateRep();
  bag->AddChild(Box(0.4));
  source->Set3DRep(bag);
  const std::string text = WrittenXml(*source);
  const std::vector<unsigned char> bytes = StreamBytes(text);
  int settings = 0, flag = -1;
  ASSERT_EQ(S_OK, ZALReadVgrSettings(bytes.data(), static_cast<int>(bytes.size()), settings, flag));
  EXPECT_EQ(71, settings);
  EXPECT_EQ(0, flag);
  const RVLSharedHandle<ZALMP3DRep> read = ZALMP3DRep::create();
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(text).get(), {}));
  ASSERT_NE(nullptr, read->Get3DRep());
  EXPECT_TRUE(read->Get3DRep()->IsEqual(*bag)) << "placement and colour too";
  EXPECT_EQ(text, WrittenXml(*read));

  for (const std::string& damaged : Damaged(text)) {
    reports.Clear();
    const RVLSharedHandle<ZALMP3DRep> kept = ZALMP3DRep::create();
    ZAL3DRep* const held = Box(1.0);
    kept->Set3DRep(held);
    EXPECT_EQ(E_FAIL, kept->Deserialize(ReadXml(damaged).get(), {})) << damaged;
    EXPECT_TRUE(Reported(reports, "ZALMPShape.m/src/ZALMP3DRep")) << damaged;
    EXPECT_EQ(held, kept->Get3DRep()) << damaged;
  }
}

ZALBaseUnknownRef<ZALBody> Solid(double size)
{
  const ZALBaseUnknownRef<ZALBody> solid = ZALBody::Create("bar");
  solid->AddFace(ZALTRVFace::Create("top", ZALTRVPlane::Create({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0.0, size, 0.0,
                                                               size).get()).get());
  return solid;
}

// A modeller stream with a header holding `objects`, as a shape body writes its solid.
std::vector<unsigned char> StreamOf(const std::vector<ZALITRVObject*>& objects)
{
  ZALTRVObjectList list;
  for (ZALITRVObject* const object : objects) list.Append(object);
  ZALTRVStream stream(0, 11, 0);
  stream.OpenWriteStreamHeader(ZALTRVStream::kHeaderVersion);
  ZALITRVObjectsSave::Save(stream, list);
  stream.CloseStreamHeader();
  return stream.GetMemoryCopy();
}

TEST(ShapeBody, HoldsOneReferenceOnItsSolidAndKeepsItWhenGivenNone)
{
  RVLSharedHandle<ZALMPShapeBody> shape = ZALMPShapeBody::create(L"Profile");
  const ZALBaseUnknownRef<ZALBody> solid = Solid(1.0), other = Solid(2.0);
  EXPECT_EQ(S_OK, shape->SetBody(solid.get()));
  EXPECT_EQ(S_OK, shape->SetBody(solid.get()));
  EXPECT_EQ(S_OK, shape->SetBody(nullptr));
  EXPECT_EQ(solid.get(), shape->GetBody());
  EXPECT_EQ(2u, solid->GetRefCount());
  shape->SetBody(other.get());
  EXPECT_EQ(1u, solid->GetRefCount());
  EXPECT_EQ(other.get(), ZALMPShapeBody::clone(shape)->GetBody()) << "a copy holds the same solid";
  shape = nullptr;
  EXPECT_EQ(1u, other->GetRefCount());
}

TEST(ShapeBodyLayout, OneSolidComesBackAnotherCountIsRefusedAndDamageChangesNothing)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPShapeBody> source = ZALMPShapeBody::create(L"Profile");
  const std::string none = WrittenXml(*source);
  EXPECT_EQ(std::string::npos, none.find("stream=")) << none;
  EXPECT_EQ(S_OK, ZALMPShapeBody::create()->Deserialize(ReadXml(none).get(), {}));
  source->SetBody(Solid(1.0).get());
  const std::string text = WrittenXml(*source);
  const RVLSharedHandle<ZALMPShapeBody> read = ZALMPShapeBody::create();
  ASSERT_EQ(S_OK, read->Deserialize(ReadXml(text).get(), {}));
  ASSERT_NE(nullptr, read->GetBody());
  EXPECT_NE(source->GetBody(), read->GetBody());
  EXPECT_TRUE(read->GetBody()->IsEqual(*Solid(1.0)));
  EXPECT_EQ(text, WrittenXml(*read));
  EXPECT_EQ(0, reports.Count());

  const ZALBaseUnknownRef<ZALBody> first = Solid(1.0), second = Solid(2.0);
  for (const std::vector<ZALITRVObject*>& objects : {std::vector<ZALITRVObject*>{first.get(), second.get()},
                                                     std::vector<ZALITRVObject*>{}}) {
    const RVLSharedHandle<ZALMPShapeBody> counted = ZALMPShapeBody::create();
    EXPECT_EQ(S_FALSE, counted->Deserialize(ReadXml(WithStream(text, StreamOf(objects))).get(), {}));
    EXPECT_EQ(nullptr, counted->GetBody());
  }
  EXPECT_EQ(0, reports.Count());

  const ZALBaseUnknownRef<ZALTRVFace> face =
      ZALTRVFace::Create("alone", ZALTRVPlane::Create({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0.0, 1.0, 0.0, 1.0).get());
  std::vector<std::string> damages = Damaged(text);
  damages.push_back(WithStream(text, StreamOf({face.get()})));  // one object, but no solid
  for (const std::string& damaged : damages) {
    reports.Clear();
    const RVLSharedHandle<ZALMPShapeBody> kept = ZALMPShapeBody::create();
    const ZALBaseUnknownRef<ZALBody> held = Solid(3.0);
    kept->SetBody(held.get());
    EXPECT_EQ(E_FAIL, kept->Deserialize(ReadXml(damaged).get(), {})) << damaged;
    EXPECT_TRUE(Reported(reports, "ZALMPShape.m/src/ZALMPShapeBody")) << damaged;
    EXPECT_EQ(held.get(), kept->GetBody()) << damaged;
  }
}

}  // namespace
