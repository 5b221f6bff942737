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

const std::string kRep3DSource = "ZALMPShape.m/src/ZALMP3DRep";

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

// `text` with its stream changed three ways: a character that is no Base64,
// its bytes cut short, one byte changed.
std::vector<std::string> Damaged(const std::string& text)
{
  std::vector<unsigned char> changed = StreamBytes(text);
  changed[changed.size() / 2] ^= 1;
  const std::vector<unsigned char> cut(changed.begin(), changed.end() - 3);
  // a character beyond ASCII is read wide, and refused all the same
  return {Replaced(text, "stream=\"", "stream=\"!"), Replaced(text, "stream=\"", "stream=\"\xc3\xa9"),
          WithStream(text, cut), WithStream(text, changed)};
}

// Reading `damaged` into `shape` fails, is reported at `source` and keeps what `held` answers.
template <class Shape, class Held>
void ExpectRefused(Shape& shape, const std::string& damaged, Held held, const std::string& source)
{
  ReportCapture reports;
  const auto before = held();
  EXPECT_EQ(E_FAIL, shape.Deserialize(ReadXml(damaged).get(), {})) << damaged;
  EXPECT_NE(reports.Files().end(), std::find(reports.Files().begin(), reports.Files().end(), source)) << damaged;
  EXPECT_EQ(before, held()) << damaged;
}

TEST(Rep3D, HoldsEachNodeInItsBagAndDisposesOfTheOneItLetsGo)
{
  const RVLSharedHandle<ZALMP3DRep> shape = ZALMP3DRep::create(L"Bar");
  ZAL3DRep* const box = ZAL3DBoxRep::CreateRep(1.0, 0.02, 0.01);
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
  EXPECT_EQ(S_OK, shape->Set3DRep(ZAL3DBoxRep::CreateRep(2.0, 0.02, 0.01)));
  EXPECT_EQ(2, bag->GetChildCount()) << "the box let go of is disposed of, the master stays";
  EXPECT_EQ(S_OK, shape->Set3DRep(nullptr));
  EXPECT_EQ(nullptr, shape->Get3DRep());
  EXPECT_EQ(sphere, bag->GetChild(0));
  EXPECT_EQ(1, bag->GetChildCount());

  shape->Set3DRep(ZAL3DBoxRep::CreateRep(3.0, 0.02, 0.01));
  const RVLSharedHandle<ZALMP3DRep> copy = ZALMP3DRep::clone(shape);
  ASSERT_NE(nullptr, copy->Get3DRep());
  EXPECT_NE(shape->Get3DRep(), copy->Get3DRep()) << "a copy holds nodes of its own";
  EXPECT_TRUE(copy->Get3DRep()->IsEqual(*shape->Get3DRep()));
  EXPECT_TRUE(copy->GetMasterRep()->IsEqual(*sphere));
}

// A representation without a node writes no stream (reported), and a stream
// that is missing or damaged is refused and changes nothing.
TEST(Rep3DLayout, NoneIsNotWrittenNorReadAndDamageChangesNothing)
{
  ReportCapture reports;
  const std::string none = WrittenXml(*ZALMP3DRep::create(L"Bare"));
  EXPECT_EQ(std::string::npos, none.find("stream=")) << none;
  EXPECT_EQ(std::vector<std::string>{kRep3DSource}, reports.Files());

  const RVLSharedHandle<ZALMP3DRep> source = ZALMP3DRep::create(L"Bar");
  source->Set3DRep(ZAL3DBoxRep::CreateRep(0.4, 0.02, 0.01));
  std::vector<std::string> damages = Damaged(WrittenXml(*source));
  damages.push_back(none);
  for (const std::string& damaged : damages) {
    const RVLSharedHandle<ZALMP3DRep> kept = ZALMP3DRep::create();
    kept->Set3DRep(ZAL3DSphereRep::CreateRep(1.0));
    ExpectRefused(*kept, damaged, [&] { return kept->Get3DRep(); }, kRep3DSource);
  }
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

TEST(ShapeBodyLayout, AnotherCountThanOneSolidIsAnAnswerAndDamageChangesNothing)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPShapeBody> source = ZALMPShapeBody::create(L"Profile");
  source->SetBody(Solid(1.0).get());
  const std::string text = WrittenXml(*source);

  // a stream of two objects, or of none, is an answer: no solid, nothing reported
  const ZALBaseUnknownRef<ZALBody> first = Solid(1.0), second = Solid(2.0);
  for (const std::vector<ZALITRVObject*>& objects : {std::vector<ZALITRVObject*>{first.get(), second.get()},
                                                     std::vector<ZALITRVObject*>{}}) {
    const RVLSharedHandle<ZALMPShapeBody> counted = ZALMPShapeBody::create();
    EXPECT_EQ(S_FALSE, counted->Deserialize(ReadXml(WithStream(text, StreamOf(objects))).get(), {}));
    EXPECT_EQ(nullptr, counted->GetBody());
  }
  EXPECT_EQ(0, reports.Count());

  std::vector<std::string> damages = Damaged(text);
  damages.push_back(WithStream(text, StreamOf({first->GetFace(0)})));  // one object, but no solid
  for (const std::string& damaged : damages) {
    const RVLSharedHandle<ZALMPShapeBody> kept = ZALMPShapeBody::create();
    kept->SetBody(Solid(3.0).get());
    ExpectRefused(*kept, damaged, [&] { return kept->GetBody(); }, "ZALMPShape.m/src/ZALMPShapeBody");
  }
}

}  // namespace
