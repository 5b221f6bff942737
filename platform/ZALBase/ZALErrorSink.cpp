#include "ZALErrorSink.h"

#include <cstdio>
#include <utility>

namespace {

ZALErrorSinkFunction& InstalledSink()
{
  static ZALErrorSinkFunction sink;
  return sink;
}

void Deliver(ZALErrorChannel channel, const char* text, const char* file, int line)
{
  const std::string message = text ? text : "";
  if (const ZALErrorSinkFunction& sink = InstalledSink()) {
    sink(channel, message, file, line);
    return;
  }
  std::fputs(message.c_str(), stderr);
  std::fflush(stderr);
}

}  // namespace

ZALErrorSinkFunction ZALSetErrorSink(ZALErrorSinkFunction sink)
{
  return std::exchange(InstalledSink(), std::move(sink));
}

void ZALFatalError(const char* text, const char* file, int line)
{
  Deliver(ZALErrorChannel::FatalError, text, file, line);
}

void ZALSysLogAbend(const char* text)
{
  Deliver(ZALErrorChannel::SysLogAbend, text, nullptr, 0);
}
