// Record bounds, counts and damaged bytes are also refused through the
// modeller's and the scene graph's readers, whose tests cut and change every
// byte of their framed streams.

#include <ZALMathStream.h>

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

TEST(MathStream, WritesLittleEndianWhateverTheMachineAndReadsItBack)
{
  ZALMathStream out;
  out.WriteUInt32(0x01020304u);
  out.WriteDouble(1.0);
  out.WriteString("ab");
  const Bytes bytes = out.GetMemoryCopy();
  EXPECT_EQ((Bytes{4, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 2, 0, 0, 0, 'a', 'b'}), bytes);
  ZALMathStream in(bytes.data(), static_cast<int>(bytes.size()));
  EXPECT_EQ(0x01020304u, in.ReadUInt32());
  EXPECT_EQ(1.0, in.ReadDouble());
  EXPECT_EQ("ab", in.ReadString());
  EXPECT_TRUE(in.IsGood());
  EXPECT_EQ(0, in.GetRemaining());

  // the standard check value of CRC-32, whole and in two parts
  const auto* const digits = reinterpret_cast<const unsigned char*>("123456789");
  EXPECT_EQ(0xCBF43926u, ZALMathStream::Checksum(digits, 9));
  EXPECT_EQ(0xCBF43926u, ZALMathStream::Checksum(digits + 4, 5, ZALMathStream::Checksum(digits, 4)));
}

TEST(MathStream, RefusesToReadPastTheEndOfARecordAndStaysFailed)
{
  ZALMathStream out;
  const std::size_t record = out.WriteRecordStart(7);
  out.WriteUInt32(5);
  ASSERT_EQ(S_OK, out.WriteRecordEnd(record));
  out.WriteString("tail");
  const Bytes bytes = out.GetMemoryCopy();

  ZALMathStream in(bytes.data(), static_cast<int>(bytes.size()));
  std::uint32_t tag = 0;
  ASSERT_EQ(S_OK, in.ReadRecordStart(tag));
  EXPECT_EQ(7u, tag);
  EXPECT_EQ(4, in.GetRemaining()) << "a record's end bounds its reader";
  EXPECT_EQ(5u, in.ReadUInt32());
  EXPECT_EQ(0.0, in.ReadDouble()) << "past the record's end";
  EXPECT_FALSE(in.IsGood());
  EXPECT_EQ("", in.ReadString()) << "a failed stream reads nothing more";
  EXPECT_EQ(E_FAIL, in.ReadRecordEnd());
}

TEST(MathStream, AFrameCarriesTheWritersNumbersAndRefusesAnotherVersion)
{
  ZALMathStream out;
  const std::size_t frame = out.WriteFrameStart(0x11223344u, 3, -5, 9);
  out.WriteDouble(std::numbers::pi);
  ASSERT_EQ(S_OK, out.WriteFrameEnd(frame));
  const Bytes bytes = out.GetMemoryCopy();
  ASSERT_EQ(ZALMathStream::kFrameHeaderLength + 8, static_cast<int>(bytes.size()));

  std::int32_t first = 0;
  std::int32_t second = 0;
  ZALMathStream whole(bytes.data(), static_cast<int>(bytes.size()));
  ASSERT_EQ(S_OK, whole.ReadFrame(0x11223344u, 3, first, second));
  EXPECT_EQ(-5, first);
  EXPECT_EQ(9, second);
  EXPECT_EQ(std::numbers::pi, whole.ReadDouble());
  ZALMathStream otherVersion(bytes.data(), static_cast<int>(bytes.size()));
  EXPECT_EQ(E_FAIL, otherVersion.ReadFrame(0x11223344u, 4, first, second));
  EXPECT_EQ(0, first);
  EXPECT_FALSE(otherVersion.IsGood());
}

}  // namespace
