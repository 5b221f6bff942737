#include <ZALMPAssertionReport.h>
#include <ZALMPReportCollector.h>

#include <ZALDevelopmentStage.h>
#include <ZALErrorSink.h>
#include <ZALGetEnv.h>
#include <ZALStackTrace.h>

#include <cstdio>
#include <string>

namespace {

enum ReportFlags : unsigned {
  kDecided = 1u << 0,
  kDevelopmentStage = 1u << 1,
  kTestInput = 1u << 2,
  kNoAbend = 1u << 3,
};

// The answers are taken once, on the first report, and kept for the process.
unsigned g_flags = 0;

unsigned Flags()
{
  if (!(g_flags & kDecided)) {
    unsigned flags = kDecided;
    if (ZALDevelopmentStage() != 0) flags |= kDevelopmentStage;
    if (ZALGetEnv("WKS_ODT_IN")) flags |= kTestInput;
    if (ZALGetEnv("CP_NO_ABEND")) flags |= kNoAbend;
    g_flags = flags;
  }
  return g_flags;
}

}  // namespace

void ZALMPAssertionReport(const char* message, const char* file, int line)
{
  ZALMPReportCollector::Collect(file, line);
  const unsigned flags = Flags();
  if (!(flags & (kDevelopmentStage | kTestInput)) || (flags & kNoAbend)) return;

  char lineText[16];
  std::snprintf(lineText, sizeof lineText, "%d", line);
  std::string text = "AssertionFailed: ";
  text += message ? message : "";
  text += "\nFile: ";
  text += file ? file : "";
  text += "\nLine: ";
  text += lineText;
  text += "\n";

  // Frames 0 to 2 are the capture itself and this report; the caller's frames follow.
  const ZALBasicStackTrace trace = ZALStackTrace::GetTrace();
  char frame[1024];
  for (int i = 3; i < trace.GetFrameCount(); ++i) {
    if (trace.Read(i, frame, sizeof frame) < 0) continue;
    text += frame;
    text += "\n";
  }

  if (flags & kTestInput)
    ZALFatalError(text.c_str(), file, line);
  else
    ZALSysLogAbend(text.c_str());
}
