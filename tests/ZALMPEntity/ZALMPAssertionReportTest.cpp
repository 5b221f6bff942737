// Each test runs in its own process with the environment that ctest gives it.
#include "ZALMPTestSupport.h"

#include <ZALDevelopmentStage.h>
#include <ZALErrorSink.h>
#include <ZALMPAssertionReport.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

using Deliveries = std::vector<std::pair<ZALErrorChannel, std::string>>;

// What one report from `file` at `line` delivers to the error sink: each
// delivery's channel and text.
Deliveries Delivered(const char* file, int line)
{
  Deliveries seen;
  const ZALErrorSinkFunction previous = ZALSetErrorSink(
      [&seen](ZALErrorChannel channel, const std::string& text, const char*, int) { seen.emplace_back(channel, text); });
  ZALMPAssertionReport("", file, line);
  ZALSetErrorSink(previous);
  return seen;
}

TEST(AssertionReport, TestRunGoesToTheFatalErrorLog)
{
  const Deliveries seen = Delivered("ZALMPBody.m/src/ZALMPBody", 42);
  ASSERT_EQ(1u, seen.size());
  const auto& [channel, text] = seen.front();
  EXPECT_EQ(ZALErrorChannel::FatalError, channel);
  const std::string head = "AssertionFailed: \nFile: ZALMPBody.m/src/ZALMPBody\nLine: 42\n";
  EXPECT_EQ(head, text.substr(0, head.size()));
  // The stack follows, one frame per line.
  EXPECT_GT(text.size(), head.size());
  EXPECT_EQ('\n', text.back());
}

TEST(AssertionReport, NoAbendSilencesATestRun)
{
  EXPECT_TRUE(Delivered("ZALMPBody.m/src/ZALMPBody", 1).empty());
}

TEST(AssertionReport, DevelopmentStageGoesToTheAbendLog)
{
  ZALSetDevelopmentStage(1);
  const Deliveries seen = Delivered("ZALMPWorld.m/src/ZALMPWorld", 7);
  ASSERT_EQ(1u, seen.size());
  EXPECT_EQ(ZALErrorChannel::SysLogAbend, seen.front().first);
  EXPECT_NE(std::string::npos, seen.front().second.find("Line: 7\n"));
}

TEST(AssertionReport, SilentInProductionForTheWholeProcess)
{
  EXPECT_TRUE(Delivered("first", 1).empty());
  setenv("WKS_ODT_IN", "1", 1);
  ZALSetDevelopmentStage(1);
  EXPECT_TRUE(Delivered("second", 2).empty());
}

}  // namespace
