#pragma once
#include <ZALMathStream.h>
#include <ZALStatus.h>

#include <cstddef>

/// A memory stream of the geometric modeller, opened either to write or to
/// read. It may start with a header that records the stream type and flag
/// and covers the rest of the stream with its length and a CRC-32, so that a
/// reader notices any cut or changed byte before it reads an object (see
/// ZALMathStream's frame). Without a header the stream holds the objects alone.
class ZALTRVStream : public ZALMathStream {
public:
  /// The only header layout there is, the argument of both header operations.
  static constexpr int kHeaderVersion = 1;

  /// A stream to write, with room reserved for `initialSize` bytes, of the given type and flag.
  ZALTRVStream(int initialSize, int streamType, int flag);
  /// A stream to read, over a copy of the `length` bytes at `bytes` (as ZALMathStream).
  /// Its type and flag are 0 until a header is read.
  ZALTRVStream(const void* bytes, int length);

  int GetStreamType() const { return m_streamType; }
  int GetFlag() const { return m_flag; }

  /// Writes the header; the stream must be empty. S_OK. E_FAIL: a stream to
  /// read, one that is not empty, or a header version other than kHeaderVersion; nothing is written.
  HRESULT OpenWriteStreamHeader(int headerVersion);
  /// Reads the header at the start of a stream to read and takes its type and
  /// flag. S_OK. E_FAIL: a stream to write, a header version other than
  /// kHeaderVersion, a read position past the start, or bytes that are not a
  /// whole, undamaged stream with that header (the stream is then failed).
  HRESULT OpenReadStreamHeader(int headerVersion);
  /// Writing: completes the header with the length and CRC-32 of what was
  /// written since. Reading: checks that every byte has been read. S_OK.
  /// E_FAIL: no header is open, or (reading) bytes are left or a read failed.
  /// Either way the header is closed.
  HRESULT CloseStreamHeader();

private:
  // Where the open header starts; kNoHeader when none is open.
  static constexpr std::size_t kNoHeader = static_cast<std::size_t>(-1);

  bool m_reading;
  int m_streamType;
  int m_flag;
  std::size_t m_header = kNoHeader;
};
