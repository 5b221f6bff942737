#include "ZALTRVStream.h"

#include <utility>

namespace {

// "ZTRV" read as a little-endian number.
constexpr std::uint32_t kMark = 0x5652545Au;

}  // namespace

ZALTRVStream::ZALTRVStream(int initialSize, int streamType, int flag)
  : ZALMathStream(initialSize), m_reading(false), m_streamType(streamType), m_flag(flag)
{
}

ZALTRVStream::ZALTRVStream(const void* bytes, int length)
  : ZALMathStream(bytes, length), m_reading(true), m_streamType(0), m_flag(0)
{
}

HRESULT ZALTRVStream::OpenWriteStreamHeader(int headerVersion)
{
  if (m_reading || GetLength() != 0 || headerVersion != kHeaderVersion) return E_FAIL;
  m_header = WriteFrameStart(kMark, kHeaderVersion, m_streamType, m_flag);
  return S_OK;
}

HRESULT ZALTRVStream::OpenReadStreamHeader(int headerVersion)
{
  std::int32_t streamType = 0;
  std::int32_t flag = 0;
  if (!m_reading || headerVersion != kHeaderVersion || GetRemaining() != GetLength() ||
      FAILED(ReadFrame(kMark, kHeaderVersion, streamType, flag)))
    return E_FAIL;
  m_streamType = streamType;
  m_flag = flag;
  m_header = 0;
  return S_OK;
}

HRESULT ZALTRVStream::CloseStreamHeader()
{
  const std::size_t header = std::exchange(m_header, kNoHeader);
  if (header == kNoHeader) return E_FAIL;
  if (m_reading) return IsGood() && GetRemaining() == 0 ? S_OK : E_FAIL;
  return WriteFrameEnd(header);
}
