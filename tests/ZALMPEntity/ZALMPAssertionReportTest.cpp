// Each test runs in its own process with the environment that ctest gives it.
#include "ZALMPTestSupport.h"

#include <ZALDevelopmentStage.h>
#include <ZALErrorSink.h>
#include <ZALMPAssertionReport.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Delivery {
  ZALErrorChannel channel;
  std::string text;
};

class Deliveries {
public:
  Deliveries()
  {
    m_previous = ZALSetErrorSink([this](ZALErrorChannel channel, const std::string& text, const char*, int) {
      m_seen.push_back({channel, text});
    });
  }
  ~Deliveries() { ZALSetErrorSink(m_previous); }
  const std::vector<Delivery>& Seen() const { return m_seen; }

private:
  ZALErrorSinkFunction m_previous;
  std::vector<Delivery> m_seen;
};

TEST(AssertionReport, SilentInProduction)
{
  Deliveries deliveries;
  ZALMPAssertionReport("", "ZALMPBody.m/src/ZALMPBody", 12);
  EXPECT_TRUE(deliveries.Seen().empty());
}

TEST(AssertionReport, TestRunGoesToTheFatalErrorLog)
{
  Deliveries deliveries;
  ZALMPAssertionReport("", "ZALMPBody.m/src/ZALMPBody", 42);
  ASSERT_EQ(1u, deliveries.Seen().size());
  const Delivery& seen = deliveries.Seen().front();
  EXPECT_EQ(ZALErrorChannel::FatalError, seen.channel);
  const std::string head = "AssertionFailed: \nFile: ZALMPBody.m/src/ZALMPBody\nLine: 42\n";
  EXPECT_EQ(head, seen.text.substr(0, head.size()));
  // The stack follows, one frame per line; this test's own frame is among them.
  EXPECT_GT(seen.text.size(), head.size());
  EXPECT_EQ('\n', seen.text.back());
}

TEST(AssertionReport, NoAbendSilencesATestRun)
{
  Deliveries deliveries;
  ZALMPAssertionReport("", "ZALMPBody.m/src/ZALMPBody", 1);
  EXPECT_TRUE(deliveries.Seen().empty());
}

TEST(AssertionReport, DevelopmentStageGoesToTheAbendLog)
{
  ZALSetDevelopmentStage(1);
  Deliveries deliveries;
  ZALMPAssertionReport("", "ZALMPWorld.m/src/ZALMPWorld", 7);
  ASSERT_EQ(1u, deliveries.Seen().size());
  EXPECT_EQ(ZALErrorChannel::SysLogAbend, deliveries.Seen().front().channel);
  EXPECT_EQ(0u, deliveries.Seen().front().text.find("AssertionFailed: \nFile: ZALMPWorld.m/src/ZALMPWorld\nLine: 7\n"));
}

TEST(AssertionReport, DecisionIsKeptForTheProcess)
{
  Deliveries deliveries;
  ZALMPAssertionReport("", "first", 1);  // decides: production, silent
  setenv("WKS_ODT_IN", "1", 1);
  ZALSetDevelopmentStage(1);
  ZALMPAssertionReport("", "second", 2);
  EXPECT_TRUE(deliveries.Seen().empty());
}

}  // namespace
