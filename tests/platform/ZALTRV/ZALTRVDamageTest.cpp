#include "ZALTRVSamples.h"

#include <ZALITRVObjectsLoad.h>
#include <ZALMathStream.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

namespace {

using Bytes = std::vector<unsigned char>;

// Loads `bytes` (reading the header first when asked) into a list that
// already holds one line, which a refused load must leave in place.
HRESULT LoadOver(const Bytes& bytes, bool withHeader, std::size_t length)
{
  const ZALBaseUnknownRef<ZALTRVLine> kept = ZALTRVLine::Create({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0});
  ZALTRVObjectList list;
  list.Append(kept.get());
  ZALTRVStream stream(bytes.data(), static_cast<int>(length));
  HRESULT status = withHeader ? stream.OpenReadStreamHeader(ZALTRVStream::kHeaderVersion) : S_OK;
  if (SUCCEEDED(status)) status = ZALITRVObjectsLoad::Load(stream, list);
  if (FAILED(status)) {
    EXPECT_EQ(1, list.Size());
    EXPECT_EQ(kept.get(), list.Item(1)) << "a refused load keeps the list";
  }
  return status;
}

HRESULT LoadOver(const Bytes& bytes, bool withHeader = false)
{
  return LoadOver(bytes, withHeader, bytes.size());
}

TEST(TRVDamage, AStreamCutShortAnywhereIsRefused)
{
  for (const bool withHeader : {false, true}) {
    const Bytes bytes = SavedBytes(SampleObjects(), withHeader);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
      EXPECT_EQ(E_FAIL, LoadOver(bytes, withHeader, cut)) << "header " << withHeader << ", cut at " << cut;
  }
}

TEST(TRVDamage, AnyChangedByteUnderAHeaderIsRefused)
{
  const Bytes bytes = SavedBytes(SampleObjects(), true);
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    Bytes changed = bytes;
    changed[at] ^= 0x5A;
    EXPECT_EQ(E_FAIL, LoadOver(changed, true)) << "byte " << at;
  }
}

TEST(TRVDamage, RandomChangesWithoutAHeaderGiveValidObjectsOrARefusal)
{
  const Bytes bytes = SavedBytes(SampleObjects(), false);
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> where(0, bytes.size() - 1);
  std::uniform_int_distribution<int> value(0, 255);
  int refused = 0;
  int loaded = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes changed = bytes;
    for (int n = 0; n < 1 + round % 4; ++n) changed[where(random)] = static_cast<unsigned char>(value(random));
    ZALTRVStream stream(changed.data(), static_cast<int>(changed.size()));
    ZALTRVObjectList list;
    if (FAILED(ZALITRVObjectsLoad::Load(stream, list))) {
      ++refused;
      continue;
    }
    ++loaded;
    // what loads is exactly what the bytes say: saved again, it gives them back (up to where it stopped)
    const Bytes again = SavedBytes(list, false);
    ASSERT_LE(again.size(), changed.size()) << "round " << round;
    EXPECT_TRUE(std::equal(again.begin(), again.end(), changed.begin())) << "round " << round;
  }
  // both outcomes were met many times
  EXPECT_GT(refused, 300);
  EXPECT_GT(loaded, 300);
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
  const auto twoPoints = [](double x) {
    return [x](ZALMathStream& s) {
      s.WritePoint({x, 0.0, 0.0});
      s.WritePoint({1.0, 2.0, 3.0});
    };
  };
  ASSERT_EQ(S_OK, LoadOver(OneRecord(ZALTRVType::Line, twoPoints(0.0)))) << "the well-formed control";
  EXPECT_EQ(E_FAIL, LoadOver(OneRecord(ZALTRVType::Line, twoPoints(std::numeric_limits<double>::quiet_NaN()))));
  EXPECT_EQ(E_FAIL, LoadOver(OneRecord(static_cast<ZALTRVType>(99), twoPoints(0.0)))) << "unknown tag";
  EXPECT_EQ(E_FAIL, LoadOver(OneRecord(ZALTRVType::Line, [&](ZALMathStream& s) {
              twoPoints(0.0)(s);
              s.WriteDouble(0.0);
            }))) << "content left unread";

  // a face whose surface is a curve
  EXPECT_EQ(E_FAIL, LoadOver(OneRecord(ZALTRVType::Face, [&](ZALMathStream& s) {
              s.WriteString("Top");
              ZALITRVObjectsSave::SaveObject(s, *ZALTRVLine::Create({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}));
            })));

  // counts and lengths beyond the bytes there are
  Bytes absurd = OneRecord(ZALTRVType::Line, twoPoints(0.0));
  absurd[3] = 0x7F;
  EXPECT_EQ(E_FAIL, LoadOver(absurd)) << "2^31 objects";
  Bytes overrun = OneRecord(ZALTRVType::Line, twoPoints(0.0));
  overrun[8] += 1;
  EXPECT_EQ(E_FAIL, LoadOver(overrun)) << "a record longer than the stream";
  EXPECT_EQ(E_FAIL, LoadOver(OneRecord(ZALTRVType::Body, [](ZALMathStream& s) {
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
  EXPECT_EQ(E_FAIL, LoadOver(stream.GetMemoryCopy()));
}

TEST(TRVDamage, TheHeaderIsWrittenFirstAndReadOnlyWhole)
{
  ZALTRVStream written(0, 11, 0);
  EXPECT_EQ(E_FAIL, written.CloseStreamHeader()) << "none open";
  EXPECT_EQ(E_FAIL, written.OpenWriteStreamHeader(2));
  EXPECT_EQ(E_FAIL, written.OpenReadStreamHeader(ZALTRVStream::kHeaderVersion)) << "a stream to write";
  written.WriteUInt32(0);
  EXPECT_EQ(E_FAIL, written.OpenWriteStreamHeader(ZALTRVStream::kHeaderVersion)) << "after content";

  const Bytes bytes = SavedBytes(SampleObjects(), true);
  ZALTRVStream otherVersion(bytes.data(), static_cast<int>(bytes.size()));
  EXPECT_EQ(E_FAIL, otherVersion.OpenReadStreamHeader(2));
  ZALTRVStream partly(bytes.data(), static_cast<int>(bytes.size()));
  ASSERT_EQ(S_OK, partly.OpenReadStreamHeader(ZALTRVStream::kHeaderVersion));
  EXPECT_EQ(E_FAIL, partly.CloseStreamHeader()) << "objects left unread";

  const Bytes bare = SavedBytes(SampleObjects(), false);
  ZALTRVStream headless(bare.data(), static_cast<int>(bare.size()));
  EXPECT_EQ(E_FAIL, headless.OpenReadStreamHeader(ZALTRVStream::kHeaderVersion));
}

}  // namespace
