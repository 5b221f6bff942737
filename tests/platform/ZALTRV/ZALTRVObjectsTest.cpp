#include "ZALTRVSamples.h"

#include <ZALITRVObjectsLoad.h>
#include <ZALSysDynamicCast.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace {

// Loads every object of `bytes`, after the header when there is one.
ZALTRVObjectList Loaded(const std::vector<unsigned char>& bytes, bool withHeader)
{
  ZALTRVStream stream(bytes.data(), static_cast<int>(bytes.size()));
  ZALTRVObjectList list;
  if (withHeader) {
    EXPECT_EQ(S_OK, stream.OpenReadStreamHeader(ZALTRVStream::kHeaderVersion));
    EXPECT_EQ(11, stream.GetStreamType());
    EXPECT_EQ(3, stream.GetFlag());
  }
  EXPECT_EQ(S_OK, ZALITRVObjectsLoad::Load(stream, list));
  if (withHeader) {
    EXPECT_EQ(S_OK, stream.CloseStreamHeader()) << "every byte was read";
  }
  return list;
}

TEST(TRVObjects, EveryKindLoadsBackEqualAndSavesToTheSameBytes)
{
  const ZALTRVObjectList samples = SampleObjects();
  for (const bool withHeader : {false, true}) {
    const std::vector<unsigned char> bytes = SavedBytes(samples, withHeader);
    const ZALTRVObjectList loaded = Loaded(bytes, withHeader);
    ASSERT_EQ(samples.Size(), loaded.Size()) << "header " << withHeader;
    for (int i = 0; i < samples.Size(); ++i) {
      EXPECT_NE(samples[i], loaded[i]) << "a new object";
      EXPECT_TRUE(loaded[i]->IsEqual(*samples[i])) << "kind " << static_cast<int>(samples[i]->GetType());
    }
    EXPECT_EQ(bytes, SavedBytes(loaded, withHeader)) << "header " << withHeader;
  }

  // what a host reads of the loaded solid
  const ZALTRVObjectList loaded = Loaded(SavedBytes(samples, true), true);
  const auto* const body = ZALSysDynamicCast<ZALBody>(loaded.Item(6));
  ASSERT_NE(nullptr, body);
  EXPECT_EQ("Block", body->GetName());
  ASSERT_EQ(2, body->GetFaceCount());
  EXPECT_EQ("Side", body->GetFace(1)->GetName());
  EXPECT_EQ(ZALTRVType::Cylinder, body->GetFace(1)->GetSurface()->GetType());
  EXPECT_EQ(nullptr, body->GetFace(2));
}

TEST(TRVObjects, ListCountsFromZeroWithBracketsAndFromOneWithItem)
{
  const ZALTRVObjectList list = Loaded(SavedBytes(SampleObjects(), false), false);
  ASSERT_EQ(6, list.Size());
  EXPECT_EQ(ZALTRVType::Line, list[0]->GetType());
  EXPECT_EQ(list[0], list.Item(1)) << "the first object";
  EXPECT_EQ(list[5], list.Item(6)) << "the last object";
  for (const int outside : {-1, 6}) EXPECT_EQ(nullptr, list[outside]) << outside;
  for (const int outside : {0, 7}) EXPECT_EQ(nullptr, list.Item(outside)) << outside;

  ZALTRVObjectList empty;
  EXPECT_EQ(E_FAIL, empty.Append(nullptr));
  EXPECT_EQ(0, empty.Size());
  EXPECT_EQ(nullptr, empty.Item(1));
}

TEST(TRVObjects, MakersRefuseNumbersThatMakeNoObject)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(ZALTRVLine::Create({1.0, 2.0, 3.0}, {1.0, 2.0, 3.0}));
  EXPECT_FALSE(ZALTRVLine::Create({0.0, 0.0, 0.0}, {nan, 0.0, 0.0}));
  EXPECT_FALSE(ZALTRVLine::Create({-1e308, 0.0, 0.0}, {1e308, 0.0, 0.0})) << "a length that overflows";

  const ZALTRVCircularSpan good{{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, 1.0, 0.0, 1.0};
  ASSERT_TRUE(ZALTRVArc::Create(good));
  const std::pair<const char*, void (*)(ZALTRVCircularSpan&)> breaks[] = {
      {"zero radius", [](ZALTRVCircularSpan& s) { s.radius = 0.0; }},
      {"reference along the normal", [](ZALTRVCircularSpan& s) { s.reference = {0.0, 0.0, -3.0}; }},
      {"more than a turn", [](ZALTRVCircularSpan& s) { s.endAngle = 2.0 * std::numbers::pi + 0.01; }},
      {"empty angles", [](ZALTRVCircularSpan& s) { s.endAngle = s.startAngle; }},
      {"infinite centre", [](ZALTRVCircularSpan& s) { s.centre = {0.0, std::numeric_limits<double>::infinity(), 0.0}; }},
      {"zero normal", [](ZALTRVCircularSpan& s) { s.normal = {0.0, 0.0, 0.0}; }}};
  for (const auto& [what, breakSpan] : breaks) {
    ZALTRVCircularSpan bad = good;
    breakSpan(bad);
    EXPECT_FALSE(ZALTRVArc::Create(bad)) << what;
    EXPECT_FALSE(ZALTRVCylinder::Create(bad, 0.0, 1.0)) << what;
  }
  EXPECT_FALSE(ZALTRVCylinder::Create(good, 1.0, 1.0));
  EXPECT_FALSE(ZALTRVPlane::Create({0.0, 0.0, 0.0}, {1.0, 1.0, 0.0}, {2.0, 2.0, 0.0}, 0.0, 1.0, 0.0, 1.0));
  EXPECT_FALSE(ZALTRVPlane::Create({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, 0.0, 1.0, 2.0, nan));
  EXPECT_FALSE(ZALTRVFace::Create("Lost", nullptr));

  const ZALBaseUnknownRef<ZALBody> body = ZALBody::Create("B");
  const ZALBaseUnknownRef<ZALTRVFace> face =
      ZALTRVFace::Create("F", ZALTRVCylinder::Create(good, 0.0, 1.0).get());
  EXPECT_EQ(E_FAIL, body->AddFace(nullptr));
  EXPECT_EQ(S_OK, body->AddFace(face.get()));
  EXPECT_EQ(S_FALSE, body->AddFace(face.get()));
  EXPECT_EQ(1, body->GetFaceCount());
}

TEST(TRVObjects, CurvesAndSurfacesMapTheirParametersToPoints)
{
  const ZALBaseUnknownRef<ZALTRVLine> line = ZALTRVLine::Create({1.0, 1.0, 1.0}, {4.0, 5.0, 1.0});
  double low = 0.0;
  double high = 0.0;
  line->GetParamRange(low, high);
  EXPECT_EQ(0.0, low);
  EXPECT_EQ(5.0, high) << "the parameter is the distance from the start";
  EXPECT_EQ(ZALMathPoint(4.0, 5.0, 1.0), line->EvaluatePoint(5.0));

  // the reference direction is made normal to the normal; angles turn from it towards normal × reference
  const ZALTRVCircularSpan span{{1.0, 0.0, 0.0}, {0.0, 0.0, 5.0}, {2.0, 0.0, 7.0}, 2.0, 0.0, std::numbers::pi};
  const ZALBaseUnknownRef<ZALTRVArc> arc = ZALTRVArc::Create(span);
  arc->GetParamRange(low, high);
  EXPECT_EQ(std::numbers::pi, high);
  EXPECT_EQ(ZALMathPoint(3.0, 0.0, 0.0), arc->EvaluatePoint(0.0));
  const ZALMathPoint quarter = arc->EvaluatePoint(std::numbers::pi / 2.0);
  EXPECT_NEAR(1.0, quarter.GetX(), 1e-15);
  EXPECT_NEAR(2.0, quarter.GetY(), 1e-15);

  const ZALBaseUnknownRef<ZALTRVCylinder> cylinder = ZALTRVCylinder::Create(span, -1.0, 3.0);
  EXPECT_EQ(ZALMathPoint(3.0, 0.0, 2.5), cylinder->EvaluatePoint(0.0, 2.5)) << "heights along the unit axis";
  const ZALBaseUnknownRef<ZALTRVPlane> plane =
      ZALTRVPlane::Create({0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, {0.0, 2.0, 0.0}, -1.0, 1.0, 0.0, 3.0);
  EXPECT_EQ(ZALMathPoint(-1.0, 6.0, 1.0), plane->EvaluatePoint(-1.0, 3.0));
}

TEST(TRVObjects, EqualityComparesContentDownToSubObjects)
{
  const ZALTRVObjectList a = SampleObjects();
  const ZALTRVObjectList b = SampleObjects();
  for (int i = 0; i < a.Size(); ++i)
    for (int j = 0; j < b.Size(); ++j) EXPECT_EQ(i == j, a[i]->IsEqual(*b[j])) << i << " against " << j;

  // one number deep in a face's surface, or a name, tells two solids apart
  const auto* const body = ZALSysDynamicCast<ZALBody>(a.Item(6));
  ASSERT_NE(nullptr, body);
  const ZALBaseUnknownRef<ZALBody> moved = ZALBody::Create("Block");
  moved->AddFace(body->GetFace(0));
  moved->AddFace(ZALTRVFace::Create("Side", ZALTRVPlane::Create({0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, {0.0, 2.0, 0.0},
                                                                -1.0, 1.0, 0.0, 3.5)
                                                .get())
                     .get());
  EXPECT_FALSE(moved->IsEqual(*body));
  const ZALBaseUnknownRef<ZALBody> renamed = ZALBody::Create("Block.1");
  renamed->AddFace(body->GetFace(0));
  renamed->AddFace(body->GetFace(1));
  EXPECT_FALSE(renamed->IsEqual(*body));
}

// An interface object in front of a modeller object, as a host's design objects may be.
class StandIn : public ZALBaseUnknown {
public:
  explicit StandIn(ZALBaseUnknown* implementation) : m_implementation(implementation) {}
  ZALBaseUnknown* QueryImplementation(int query) override { return query == 0 ? m_implementation : nullptr; }

private:
  ZALBaseUnknown* m_implementation;
};

TEST(TRVObjects, HoldersCountReferencesAndTheCastFindsTheModellerInterface)
{
  const ZALBaseUnknownRef<ZALTRVLine> line = ZALTRVLine::Create({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0});
  EXPECT_EQ(1u, line->GetRefCount());
  {
    ZALTRVObjectList list;
    list.Append(line.get());
    list.Append(line.get());
    EXPECT_EQ(3u, line->GetRefCount());
    list.RemoveAll();
    EXPECT_EQ(1u, line->GetRefCount());
    list.Append(line.get());
  }
  EXPECT_EQ(1u, line->GetRefCount()) << "a list releases what it holds";

  ZALBaseUnknown* const asUnknown = line.get();
  EXPECT_EQ(line.get(), ZALSysDynamicCast<ZALITRVObject>(asUnknown));
  EXPECT_EQ(nullptr, ZALSysDynamicCast<ZALTRVSurface>(asUnknown));
  EXPECT_EQ(nullptr, ZALSysDynamicCast<ZALITRVObject>(nullptr));
  const ZALBaseUnknown_var standIn(new StandIn(asUnknown));
  EXPECT_EQ(line.get(), ZALSysDynamicCast<ZALTRVCurve>(standIn.get()));
  const ZALBaseUnknown_var plain(new StandIn(nullptr));
  EXPECT_EQ(nullptr, ZALSysDynamicCast<ZALITRVObject>(plain.get()));
  EXPECT_EQ(1u, line->GetRefCount()) << "the cast takes no reference";
}

}  // namespace
