#include "ZALMathStream.h"

#include <array>
#include <bit>
#include <climits>

namespace {

constexpr std::size_t kRecordHeaderLength = 8;
constexpr std::size_t kRecordLengthAt = 4;
constexpr std::size_t kFrameLengthAt = 16;
constexpr std::uint32_t kUnfinishedLength = 0xFFFFFFFFu;
constexpr int kTransformationCoefficients = 12;
// The header's CRC-32 comes last in it and covers what comes before it.
constexpr std::size_t kFrameChecksumAt = 20;

constexpr std::array<std::uint32_t, 256> MakeCrcTable()
{
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

std::uint32_t GetUInt32(const unsigned char* at)
{
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
         static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

// The CRC-32 of the frame whose header starts at `header`, followed by `length` bytes.
std::uint32_t FrameChecksum(const unsigned char* header, std::size_t length)
{
  const auto headerLength = static_cast<std::size_t>(ZALMathStream::kFrameHeaderLength);
  return ZALMathStream::Checksum(header + headerLength, length, ZALMathStream::Checksum(header, kFrameChecksumAt));
}

}  // namespace

ZALMathStream::ZALMathStream(int initialSize)
{
  if (initialSize > 0) m_bytes.reserve(static_cast<std::size_t>(initialSize));
}

ZALMathStream::ZALMathStream(const void* bytes, int length)
{
  if (length < 0 || (!bytes && length > 0)) {
    Fail();
    return;
  }
  const auto* const first = static_cast<const unsigned char*>(bytes);
  if (length > 0) m_bytes.assign(first, first + length);
}

ZALMathStream::~ZALMathStream() = default;

int ZALMathStream::GetLength() const
{
  return static_cast<int>(m_bytes.size());
}

std::vector<unsigned char> ZALMathStream::GetMemoryCopy() const
{
  return m_bytes;
}

void ZALMathStream::WriteUInt32(std::uint32_t value)
{
  for (int shift = 0; shift < 32; shift += 8) m_bytes.push_back(static_cast<unsigned char>(value >> shift));
}

void ZALMathStream::WriteInt32(std::int32_t value)
{
  WriteUInt32(static_cast<std::uint32_t>(value));
}

void ZALMathStream::WriteDouble(double value)
{
  const auto bits = std::bit_cast<std::uint64_t>(value);
  WriteUInt32(static_cast<std::uint32_t>(bits));
  WriteUInt32(static_cast<std::uint32_t>(bits >> 32));
}

void ZALMathStream::WriteString(std::string_view text)
{
  WriteUInt32(static_cast<std::uint32_t>(text.size()));
  m_bytes.insert(m_bytes.end(), text.begin(), text.end());
}

void ZALMathStream::WritePoint(const ZALMathPoint& point)
{
  WriteDouble(point.GetX());
  WriteDouble(point.GetY());
  WriteDouble(point.GetZ());
}

void ZALMathStream::WriteVector(const ZALMathVector& vector)
{
  WriteDouble(vector.GetX());
  WriteDouble(vector.GetY());
  WriteDouble(vector.GetZ());
}

void ZALMathStream::WriteTransformation(const ZALMathTransformation& transformation)
{
  double coefficients[kTransformationCoefficients] = {};
  transformation.GetCoef(coefficients, kTransformationCoefficients);
  for (const double c : coefficients) WriteDouble(c);
}

std::size_t ZALMathStream::WriteRecordStart(std::uint32_t tag)
{
  const std::size_t start = m_bytes.size();
  WriteUInt32(tag);
  WriteUInt32(kUnfinishedLength);
  return start;
}

HRESULT ZALMathStream::WriteRecordEnd(std::size_t start)
{
  if (start > m_bytes.size() || m_bytes.size() - start < kRecordHeaderLength) return E_FAIL;
  const std::size_t length = m_bytes.size() - start - kRecordHeaderLength;
  if (length >= kUnfinishedLength) return E_FAIL;
  PutUInt32At(start + kRecordLengthAt, static_cast<std::uint32_t>(length));
  return S_OK;
}

std::size_t ZALMathStream::WriteFrameStart(std::uint32_t mark, std::uint32_t version, std::int32_t first,
                                           std::int32_t second)
{
  const std::size_t start = m_bytes.size();
  WriteUInt32(mark);
  WriteUInt32(version);
  WriteInt32(first);
  WriteInt32(second);
  WriteUInt32(kUnfinishedLength);
  WriteUInt32(0);
  return start;
}

HRESULT ZALMathStream::WriteFrameEnd(std::size_t start)
{
  const auto header = static_cast<std::size_t>(kFrameHeaderLength);
  if (start > m_bytes.size() || m_bytes.size() - start < header) return E_FAIL;
  const std::size_t length = m_bytes.size() - start - header;
  if (length >= kUnfinishedLength) return E_FAIL;
  PutUInt32At(start + kFrameLengthAt, static_cast<std::uint32_t>(length));
  PutUInt32At(start + kFrameChecksumAt, FrameChecksum(m_bytes.data() + start, length));
  return S_OK;
}

std::uint32_t ZALMathStream::ReadUInt32()
{
  const unsigned char* const at = Take(4);
  return at ? GetUInt32(at) : 0;
}

std::int32_t ZALMathStream::ReadInt32()
{
  return static_cast<std::int32_t>(ReadUInt32());
}

double ZALMathStream::ReadDouble()
{
  const unsigned char* const at = Take(8);
  if (!at) return 0.0;
  return std::bit_cast<double>(static_cast<std::uint64_t>(GetUInt32(at)) |
                               static_cast<std::uint64_t>(GetUInt32(at + 4)) << 32);
}

std::string ZALMathStream::ReadString()
{
  const std::uint32_t length = ReadUInt32();
  const unsigned char* const at = Take(length);
  return at ? std::string(reinterpret_cast<const char*>(at), length) : std::string();
}

ZALMathPoint ZALMathStream::ReadPoint()
{
  const double x = ReadDouble();
  const double y = ReadDouble();
  const double z = ReadDouble();
  return {x, y, z};
}

ZALMathVector ZALMathStream::ReadVector()
{
  const double x = ReadDouble();
  const double y = ReadDouble();
  const double z = ReadDouble();
  return {x, y, z};
}

ZALMathTransformation ZALMathStream::ReadTransformation()
{
  double coefficients[kTransformationCoefficients] = {};
  for (double& c : coefficients) c = ReadDouble();
  ZALMathTransformation transformation;
  transformation.SetCoef(coefficients, kTransformationCoefficients);
  return transformation;
}

HRESULT ZALMathStream::ReadCount(int minItemLength, int& count)
{
  count = 0;
  const std::uint64_t read = ReadUInt32();
  const std::uint64_t itemLength = minItemLength > 1 ? static_cast<std::uint64_t>(minItemLength) : 1u;
  if (!m_good || read > INT_MAX || read * itemLength > static_cast<std::uint64_t>(GetRemaining())) {
    Fail();
    return E_FAIL;
  }
  count = static_cast<int>(read);
  return S_OK;
}

HRESULT ZALMathStream::ReadRecordStart(std::uint32_t& tag)
{
  tag = ReadUInt32();
  const std::uint32_t length = ReadUInt32();
  if (!m_good || length > static_cast<std::uint32_t>(GetRemaining()) ||
      m_recordEnds.size() >= static_cast<std::size_t>(kMaxRecordDepth)) {
    tag = 0;
    Fail();
    return E_FAIL;
  }
  m_recordEnds.push_back(m_position + length);
  return S_OK;
}

HRESULT ZALMathStream::ReadRecordEnd()
{
  if (!m_good || m_recordEnds.empty() || m_position != m_recordEnds.back()) {
    Fail();
    return E_FAIL;
  }
  m_recordEnds.pop_back();
  return S_OK;
}

HRESULT ZALMathStream::ReadFrame(std::uint32_t mark, std::uint32_t version, std::int32_t& first,
                                 std::int32_t& second)
{
  first = 0;
  second = 0;
  const unsigned char* const header = Take(static_cast<std::size_t>(kFrameHeaderLength));
  if (!header) return E_FAIL;
  const std::size_t length = GetUInt32(header + kFrameLengthAt);
  const std::size_t left = Limit() - m_position;
  if (GetUInt32(header) != mark || GetUInt32(header + 4) != version || length != left ||
      GetUInt32(header + kFrameChecksumAt) != FrameChecksum(header, left)) {
    Fail();
    return E_FAIL;
  }
  first = static_cast<std::int32_t>(GetUInt32(header + 8));
  second = static_cast<std::int32_t>(GetUInt32(header + 12));
  return S_OK;
}

bool ZALMathStream::IsGood() const
{
  return m_good;
}

int ZALMathStream::GetRemaining() const
{
  return static_cast<int>(Limit() - m_position);
}

std::uint32_t ZALMathStream::Checksum(const unsigned char* bytes, std::size_t length, std::uint32_t previous)
{
  std::uint32_t crc = previous ^ 0xFFFFFFFFu;
  for (std::size_t i = 0; i < length; ++i) crc = kCrcTable[(crc ^ bytes[i]) & 0xFFu] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::size_t ZALMathStream::Limit() const
{
  return m_recordEnds.empty() ? m_bytes.size() : m_recordEnds.back();
}

const unsigned char* ZALMathStream::Take(std::size_t count)
{
  if (!m_good || count > Limit() - m_position) {
    Fail();
    return nullptr;
  }
  const unsigned char* const at = m_bytes.data() + m_position;
  m_position += count;
  return at;
}

void ZALMathStream::PutUInt32At(std::size_t at, std::uint32_t value)
{
  for (int shift = 0; shift < 32; shift += 8) m_bytes[at++] = static_cast<unsigned char>(value >> shift);
}

void ZALMathStream::Fail()
{
  m_good = false;
}
