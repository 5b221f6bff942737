// The modeller's objects, and the streams they are saved in: whole, they come
// back equal and save to the same bytes; cut or changed, they are refused and
// leave the caller's list as it was.

#include <ZALBody.h>
#include <ZALITRVObjectsLoad.h>
#include <ZALITRVObjectsSave.h>
#include <ZALMathStream.h>
#include <ZALSysDynamicCast.h>
#include <ZALTRVArc.h>
#include <ZALTRVCylinder.h>
#include <ZALTRVLine.h>
#include <ZALTRVObjectList.h>
#include <ZALTRVPlane.h>
#include <ZALTRVStream.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numbers>
#include <random>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// The plane of the samples, or one that differs from it in its last number only.
ZALBaseUnknownRef<ZALTRVPlane> SamplePlane(double vMax = 3.0)
{
  return ZALTRVPlane::Create({0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, {0.0, 2.0, 0.0}, -1.0, 1.0, 0.0, vMax);
}

// One object of every kind, with numbers whose every bit matters (a negative
// zero, thirds, a full turn), in a list: line, arc, plane, cylinder, face, body.
ZALTRVObjectList SampleObjects()
{
  const ZALTRVCircularSpan round{{0.0, -0.0, 0.0}, {0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, 0.5, 0.0, 2.0 * std::numbers::pi};
  const ZALBaseUnknownRef<ZALTRVPlane> plane = SamplePlane();
  const ZALBaseUnknownRef<ZALTRVCylinder> cylinder = ZALTRVCylinder::Create(round, -1.0, 1.0);
  const ZALBaseUnknownRef<ZALBody> body = ZALBody::Create("Block");
  body->AddFace(ZALTRVFace::Create("Top", plane.get()).get());
  body->AddFace(ZALTRVFace::Create("Side", cylinder.get()).get());

  ZALTRVObjectList list;
  list.Append(ZALTRVLine::Create({-0.0, 0.0, 0.0}, {3.0, 4.0, 0.0}).get());
  list.Append(ZALTRVArc::Create({{1.0, 2.0, 3.0}, {0.0, 0.0, 2.0}, {1.0, 0.0, 0.5}, 2.0, -0.5, 1.0 / 3.0}).get());
  list.Append(plane.get());
  list.Append(cylinder.get());
  list.Append(ZALTRVFace::Create("Top", plane.get()).get());
  list.Append(body.get());
  EXPECT_EQ(6, list.Size()) << "a sample maker refused its numbers";
  return list;
}

// The bytes of `list` saved in a stream of type 11 and flag 3, with or without a header.
Bytes SavedBytes(const ZALTRVObjectList& list, bool withHeader)
{
  ZALTRVStream stream(0, 11, 3);
  const bool opened = !withHeader || SUCCEEDED(stream.OpenWriteStreamHeader(ZALTRVStream::kHeaderVersion));
  const bool saved = SUCCEEDED(ZALITRVObjectsSave::Save(stream, list));
  EXPECT_TRUE(opened && saved && (!withHeader || SUCCEEDED(stream.CloseStreamHeader())));
  return stream.GetMemoryCopy();
}

// Loads `bytes` (their first `length` only, if fewer) into `list` as
// SavedBytes wrote them: with a header, every byte must be read.
HRESULT Load(const Bytes& bytes, bool withHeader, ZALTRVObjectList& list, std::size_t length = SIZE_MAX)
{
  ZALTRVStream stream(bytes.data(), static_cast<int>(std::min(length, bytes.size())));
  HRESULT status = withHeader ? stream.OpenReadStreamHeader(ZALTRVStream::kHeaderVersion) : S_OK;
  if (SUCCEEDED(status)) status = ZALITRVObjectsLoad::Load(stream, list);
  if (SUCCEEDED(status) && withHeader) status = stream.CloseStreamHeader();
  return status;
}

// True when loading `bytes` as Load does, into a list that already holds a
// line, is refused and leaves that list as it was.
bool Refused(const Bytes& bytes, bool withHeader = false, std::size_t length = SIZE_MAX)
{
  const ZALBaseUnknownRef<ZALTRVLine> kept = ZALTRVLine::Create({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0});
  ZALTRVObjectList list;
  list.Append(kept.get());
  return FAILED(Load(bytes, withHeader, list, length)) && list.Size() == 1 && list.Item(1) == kept.get();
}

TEST(TRVObjects, EveryKindLoadsBackEqualAndSavesToTheSameBytes)
{
  const ZALTRVObjectList samples = SampleObjects();
  for (const bool withHeader : {false, true}) {
    const Bytes bytes = SavedBytes(samples, withHeader);
    ZALTRVObjectList loaded;
    ASSERT_EQ(S_OK, Load(bytes, withHeader, loaded)) << "header " << withHeader;
    ASSERT_EQ(samples.Size(), loaded.Size()) << "header " << withHeader;
    for (int i = 0; i < samples.Size(); ++i)
      EXPECT_TRUE(loaded[i]->IsEqual(*samples[i])) << "kind " << static_cast<int>(samples[i]->GetType());
    EXPECT_EQ(bytes, SavedBytes(loaded, withHeader)) << "header " << withHeader;

    // brackets count from 0, Item from 1
    EXPECT_EQ(loaded[5], loaded.Item(6));
    for (const int outside : {-1, 6}) EXPECT_EQ(nullptr, loaded[outside]) << outside;
    for (const int outside : {0, 7}) EXPECT_EQ(nullptr, loaded.Item(outside)) << outside;
  }
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
  EXPECT_FALSE(SamplePlane(nan));
  EXPECT_FALSE(ZALTRVFace::Create("Lost", nullptr));

  // a solid takes each face once
  const ZALBaseUnknownRef<ZALBody> body = ZALBody::Create("B");
  const ZALBaseUnknownRef<ZALTRVFace> face = ZALTRVFace::Create("F", SamplePlane().get());
  EXPECT_EQ(E_FAIL, body->AddFace(nullptr));
  EXPECT_EQ(S_OK, body->AddFace(face.get()));
  EXPECT_EQ(S_FALSE, body->AddFace(face.get()));
  EXPECT_EQ(1, body->GetFaceCount());
}

// A line's parameter is the distance from its start: its range is pinned by
// the tests of curve limits.
TEST(TRVObjects, AnArcTurnsFromItsReferenceMadeNormalToTheNormal)
{
  // angles turn from the reference towards normal × reference
  const ZALTRVCircularSpan span{{1.0, 0.0, 0.0}, {0.0, 0.0, 5.0}, {2.0, 0.0, 7.0}, 2.0, 0.0, std::numbers::pi};
  const ZALBaseUnknownRef<ZALTRVArc> arc = ZALTRVArc::Create(span);
  double low = -1.0, high = 0.0;
  arc->GetParamRange(low, high);
  EXPECT_TRUE(low == 0.0 && high == std::numbers::pi) << low << " to " << high;
  EXPECT_EQ(ZALMathPoint(3.0, 0.0, 0.0), arc->EvaluatePoint(0.0));
  const ZALMathPoint quarter = arc->EvaluatePoint(std::numbers::pi / 2.0);
  EXPECT_NEAR(1.0, quarter.GetX(), 1e-15);
  EXPECT_NEAR(2.0, quarter.GetY(), 1e-15);
  EXPECT_EQ(ZALMathPoint(3.0, 0.0, 2.5), ZALTRVCylinder::Create(span, -1.0, 3.0)->EvaluatePoint(0.0, 2.5))
      << "heights along the unit axis";
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
  const ZALBaseUnknownRef<ZALBody> renamed = ZALBody::Create("Block.1");
  moved->AddFace(body->GetFace(0));
  moved->AddFace(ZALTRVFace::Create("Side", SamplePlane(3.5).get()).get());
  renamed->AddFace(body->GetFace(0));
  renamed->AddFace(body->GetFace(1));
  EXPECT_FALSE(moved->IsEqual(*body));
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
  {
    ZALTRVObjectList list;
    list.Append(line.get());
    list.Append(line.get());
    EXPECT_EQ(E_FAIL, list.Append(nullptr));
    EXPECT_EQ(3u, line->GetRefCount());
  }
  EXPECT_EQ(1u, line->GetRefCount()) << "a list releases what it holds";

  const ZALBaseUnknown_var standIn(new StandIn(line.get()));
  const ZALBaseUnknown_var plain(new StandIn(nullptr));
  EXPECT_EQ(line.get(), ZALSysDynamicCast<ZALTRVCurve>(standIn.get()));
  EXPECT_EQ(nullptr, ZALSysDynamicCast<ZALTRVSurface>(standIn.get()));
  EXPECT_EQ(nullptr, ZALSysDynamicCast<ZALITRVObject>(plain.get()));
  EXPECT_EQ(nullptr, ZALSysDynamicCast<ZALITRVObject>(nullptr));
  EXPECT_EQ(1u, line->GetRefCount()) << "the cast takes no reference";
}

TEST(TRVDamage, AStreamCutShortAnywhereOrWithAnyByteChangedUnderAHeaderIsRefused)
{
  for (const bool withHeader : {false, true}) {
    const Bytes bytes = SavedBytes(SampleObjects(), withHeader);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
      EXPECT_TRUE(Refused(bytes, withHeader, cut)) << "header " << withHeader << ", cut at " << cut;
  }
  const Bytes bytes = SavedBytes(SampleObjects(), true);
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    Bytes changed = bytes;
    changed[at] ^= 0x5A;
    EXPECT_TRUE(Refused(changed, true)) << "byte " << at;
  }
}

TEST(TRVDamage, RandomChangesWithoutAHeaderGiveValidObjectsOrARefusal)
{
  const Bytes bytes = SavedBytes(SampleObjects(), false);
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> where(0, bytes.size() - 1);
  std::uniform_int_distribution<int> value(0, 255);
  int outcomes[2] = {};  // refused, loaded: both are met many times
  for (int round = 0; round < 3000; ++round) {
    Bytes changed = bytes;
    for (int n = 0; n < 1 + round % 4; ++n) changed[where(random)] = static_cast<unsigned char>(value(random));
    ZALTRVObjectList list;
    const bool loaded = SUCCEEDED(Load(changed, false, list));
    ++outcomes[loaded];
    // what loads is exactly what the bytes say: saved again, it gives them back (up to where it stopped)
    const Bytes again = loaded ? SavedBytes(list, false) : Bytes();
    EXPECT_TRUE(loaded ? again.size() <= changed.size() && std::equal(again.begin(), again.end(), changed.begin())
                       : list.Size() == 0)
        << "round " << round;
  }
  EXPECT_TRUE(outcomes[0] > 300 && outcomes[1] > 300) << outcomes[0] << " refused, " << outcomes[1] << " loaded";
}

// A stream of one object record whose content is written by `content`.
template <typename Content>
Bytes OneRecord(ZALTRVType type, Content content)
{
  ZALMathStream stream;
  stream.WriteUInt32(1);
  const std::size_t record = stream.WriteRecordStart(static_cast<std::uint32_t>(type));
  content(stream);
  EXPECT_EQ(S_OK, stream.WriteRecordEnd(record));
  return stream.GetMemoryCopy();
}

TEST(TRVDamage, ContentThatMakesNoValidObjectIsRefused)
{
  const auto points = [](double x, int count = 2) {
    return [=](ZALMathStream& s) {
      for (int i = 0; i < count; ++i) s.WritePoint({x, 0.0, 1.0 * i});
    };
  };
  const Bytes line = OneRecord(ZALTRVType::Line, points(0.0));
  ZALTRVObjectList control;
  ASSERT_EQ(S_OK, Load(line, false, control)) << "the well-formed control";
  EXPECT_TRUE(Refused(OneRecord(ZALTRVType::Line, points(std::numeric_limits<double>::quiet_NaN())))) << "no number";
  EXPECT_TRUE(Refused(OneRecord(static_cast<ZALTRVType>(99), points(0.0)))) << "unknown tag";
  EXPECT_TRUE(Refused(OneRecord(ZALTRVType::Line, points(0.0, 3)))) << "content left unread";
  EXPECT_TRUE(Refused(OneRecord(ZALTRVType::Face, [](ZALMathStream& s) {
              s.WriteString("Top");
              ZALITRVObjectsSave::SaveObject(s, *ZALTRVLine::Create({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}));
            }))) << "a face whose surface is a curve";

  // counts and lengths beyond the bytes there are
  Bytes absurd = line;
  absurd[3] = 0x7F;
  EXPECT_TRUE(Refused(absurd)) << "2^31 objects";
  Bytes overrun = line;
  overrun[8] += 1;
  EXPECT_TRUE(Refused(overrun)) << "a record longer than the stream";
  EXPECT_TRUE(Refused(OneRecord(ZALTRVType::Body, [](ZALMathStream& s) {
              s.WriteString("B");
              s.WriteUInt32(1000);
            }))) << "a thousand faces in no bytes";
}

TEST(TRVDamage, RecordsNestedBeyondReasonAreRefusedWithoutExhaustingTheStack)
{
  ZALMathStream stream;
  stream.WriteUInt32(1);
  std::vector<std::size_t> open;
  for (int depth = 0; depth < 200000; ++depth) {
    open.push_back(stream.WriteRecordStart(static_cast<std::uint32_t>(ZALTRVType::Face)));
    stream.WriteString("");
  }
  for (auto at = open.rbegin(); at != open.rend(); ++at) ASSERT_EQ(S_OK, stream.WriteRecordEnd(*at));
  EXPECT_TRUE(Refused(stream.GetMemoryCopy()));
}

// A header of another version or mark, or cut short, is refused by the frame
// it is (checked with the math stream, and by the damage above).
TEST(TRVDamage, TheHeaderKeepsTypeAndFlagAndIsWrittenFirstAndReadOnlyWhole)
{
  ZALTRVStream written(0, 11, 0);
  written.WriteUInt32(0);
  EXPECT_EQ(E_FAIL, written.OpenWriteStreamHeader(ZALTRVStream::kHeaderVersion)) << "after content";

  const Bytes bytes = SavedBytes(SampleObjects(), true);
  ZALTRVStream partly(bytes.data(), static_cast<int>(bytes.size()));
  ASSERT_EQ(S_OK, partly.OpenReadStreamHeader(ZALTRVStream::kHeaderVersion));
  EXPECT_EQ(11, partly.GetStreamType());
  EXPECT_EQ(3, partly.GetFlag());
  EXPECT_EQ(E_FAIL, partly.CloseStreamHeader()) << "objects left unread";
}

}  // namespace
