#pragma once
#include "ZALMathPoint.h"
#include "ZALMathTransformation.h"
#include "ZALMathVector.h"

#include <ZALStatus.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// A memory byte stream. Writing appends at the end; reading takes bytes from
/// a read position that starts at the beginning. Numbers are little-endian
/// whatever the machine; a double is its 64 bits.
///
/// Reading never goes past the bytes there are: a read that would is refused,
/// gives zero (or an empty text), and marks the stream failed, after which
/// every read fails. A reader therefore reads all its fields and asks
/// IsGood() once.
///
/// Two structures help readers refuse damaged bytes:
/// - a record: a tag and the length of what follows, so that a reader cannot
///   run past its own record and must use up all of it;
/// - a frame: a header (a four-character mark, a version, two numbers the
///   writer chooses, the length of what follows, and a CRC-32 of the header
///   before it and of what follows) that covers the rest of the stream, so
///   that any cut or changed byte is noticed.
class ZALMathStream {
public:
  /// Bytes a frame header takes.
  static constexpr int kFrameHeaderLength = 24;
  /// Records nest at most this deep on reading, so that damaged bytes cannot
  /// drive a recursive reader arbitrarily deep.
  static constexpr int kMaxRecordDepth = 256;

  /// An empty stream to write into, with room reserved for `initialSize` bytes.
  explicit ZALMathStream(int initialSize = 0);
  /// A stream to read from, over a copy of the `length` bytes at `bytes`.
  /// A negative length, or null bytes with a positive length, give an empty
  /// stream that is already failed.
  ZALMathStream(const void* bytes, int length);
  ZALMathStream(const ZALMathStream&) = delete;
  ZALMathStream& operator=(const ZALMathStream&) = delete;
  virtual ~ZALMathStream();

  /// Number of bytes the stream holds.
  int GetLength() const;
  /// A copy of every byte the stream holds.
  std::vector<unsigned char> GetMemoryCopy() const;

  void WriteUInt32(std::uint32_t value);
  void WriteInt32(std::int32_t value);
  void WriteDouble(double value);
  /// Its length in bytes, then its bytes.
  void WriteString(std::string_view text);
  void WritePoint(const ZALMathPoint& point);
  void WriteVector(const ZALMathVector& vector);
  /// The 12 coefficients in the order of ZALMathTransformation::GetCoef.
  void WriteTransformation(const ZALMathTransformation& transformation);

  /// Starts a record with `tag`; returns where it starts, for WriteRecordEnd.
  std::size_t WriteRecordStart(std::uint32_t tag);
  /// Sets the length of the record started at `start` to what was written since.
  /// S_OK. E_FAIL: no record starts there, or it would exceed 4 GiB.
  HRESULT WriteRecordEnd(std::size_t start);

  /// Starts a frame; returns where it starts, for WriteFrameEnd. What is written
  /// from here to the end of the stream is covered by it.
  std::size_t WriteFrameStart(std::uint32_t mark, std::uint32_t version, std::int32_t first, std::int32_t second);
  /// Completes the header of the frame started at `start`: the length of what
  /// follows it, and the CRC-32.
  /// S_OK. E_FAIL: no frame header fits there, or the frame would exceed 4 GiB.
  HRESULT WriteFrameEnd(std::size_t start);

  std::uint32_t ReadUInt32();
  std::int32_t ReadInt32();
  double ReadDouble();
  std::string ReadString();
  ZALMathPoint ReadPoint();
  ZALMathVector ReadVector();
  ZALMathTransformation ReadTransformation();

  /// Reads a count of items that each take at least `minItemLength` bytes
  /// (at least 1). S_OK: `count` items can still follow. E_FAIL, `count` 0:
  /// a count that the bytes left cannot hold; the stream is failed.
  HRESULT ReadCount(int minItemLength, int& count);

  /// Enters the record at the read position: `tag` is its tag, and reads stop
  /// at its end until ReadRecordEnd. E_FAIL, `tag` 0: the record header is cut
  /// short, its length runs past the bytes left, or kMaxRecordDepth records
  /// are already open; the stream is failed.
  HRESULT ReadRecordStart(std::uint32_t& tag);
  /// Leaves the innermost record. S_OK: the stream is good and every byte of
  /// the record was read. E_FAIL otherwise (the stream is failed).
  HRESULT ReadRecordEnd();

  /// Reads the frame header at the read position. S_OK: `first` and `second`
  /// hold the writer's numbers. E_FAIL, both 0: a header cut short, another
  /// mark or version, a length other than the bytes that follow, or a CRC-32
  /// that does not match them; the stream is failed.
  HRESULT ReadFrame(std::uint32_t mark, std::uint32_t version, std::int32_t& first, std::int32_t& second);

  /// True until a read was refused.
  bool IsGood() const;
  /// Bytes a reader may still read: up to the end of the innermost record, or of the stream.
  int GetRemaining() const;

  /// CRC-32 (the IEEE polynomial of zip and PNG) of `length` bytes at `bytes`,
  /// continuing `previous`, the CRC-32 of the bytes before them.
  static std::uint32_t Checksum(const unsigned char* bytes, std::size_t length, std::uint32_t previous = 0);

private:
  std::size_t Limit() const;
  // The next `count` bytes, or null (and the stream failed) when fewer are left.
  const unsigned char* Take(std::size_t count);
  void PutUInt32At(std::size_t at, std::uint32_t value);
  void Fail();

  std::vector<unsigned char> m_bytes;
  std::size_t m_position = 0;
  std::vector<std::size_t> m_recordEnds;
  bool m_good = true;
};
