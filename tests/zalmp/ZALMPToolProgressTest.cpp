// What zalmp shows of a long load or save: on a terminal a throttled line with
// the count and its rate, cleared at the end; elsewhere nothing.

#include "ZALMPToolProgress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace std::chrono_literals;
using Unit = ZALMPXmlProgressUnit;

TEST(ToolProgress, ShowsCountAndRateOnATerminalAndNothingElsewhere)
{
  std::chrono::steady_clock::time_point now;
  const auto clock = [&now] { return now; };
  std::ostringstream terminal;
  {
    ZALMPToolProgress progress(terminal, true, clock);
    const ZALMPXmlProgress show = progress.Follow("loading big.xml");
    ASSERT_TRUE(show);
    now += 50ms;
    show(Unit::Bytes, 1'000'000, 8'000'000);
    EXPECT_EQ("", terminal.str()) << "too soon to draw";
    now += 450ms;
    show(Unit::Bytes, 2'000'000, 8'000'000);
    EXPECT_EQ("\rloading big.xml: 2.0 of 8.0 MB, 4.0 MB/s", terminal.str());
    now += 50ms;
    show(Unit::Bytes, 3'000'000, 8'000'000);
    EXPECT_EQ("\rloading big.xml: 2.0 of 8.0 MB, 4.0 MB/s", terminal.str()) << "throttled";

    // Entities have a rate of their own, from when the first was read.
    show(Unit::Entities, 1, 1000);
    now += 500ms;
    show(Unit::Entities, 401, 1000);
    const std::string line = "loading big.xml: 401 of 1000 entities, 802 entities/s";
    EXPECT_EQ("\r" + line, terminal.str().substr(terminal.str().rfind('\r')));
    terminal.str("");
    progress.End();
    EXPECT_EQ("\r" + std::string(line.size(), ' ') + "\r", terminal.str()) << "the line is cleared at the end";
  }

  std::ostringstream file;
  EXPECT_FALSE(ZALMPToolProgress(file, false, clock).Follow("saving big.xml")) << "no listener, so nothing to pay";
  EXPECT_EQ("", file.str());
}

}  // namespace
