#include "ZALBasicStackTrace.h"

#include <cstdio>
#include <cstdlib>
#include <execinfo.h>

ZALBasicStackTrace ZALBasicStackTrace::Capture()
{
  ZALBasicStackTrace trace;
  trace.m_frames.resize(128);
  const int depth = backtrace(trace.m_frames.data(), static_cast<int>(trace.m_frames.size()));
  trace.m_frames.resize(depth > 0 ? static_cast<std::size_t>(depth) : 0);
  return trace;
}

int ZALBasicStackTrace::Read(int index, char* buffer, std::size_t size) const
{
  if (index < 0 || index >= GetFrameCount() || !buffer || size == 0) return -1;
  void* frame = m_frames[static_cast<std::size_t>(index)];
  char** symbols = backtrace_symbols(&frame, 1);
  const int written = std::snprintf(buffer, size, "%s", symbols && symbols[0] ? symbols[0] : "?");
  std::free(symbols);
  if (written < 0) return -1;
  return static_cast<std::size_t>(written) < size ? written : static_cast<int>(size - 1);
}
