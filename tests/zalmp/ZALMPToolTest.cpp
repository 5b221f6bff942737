// The zalmp program as a user runs it: exit codes and the key lines of what it prints.

#include "ZALMPToolRunner.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <string>

namespace {

// The value shown after `label` on the first line that starts with it (after indentation).
std::string ValueOf(const std::string& text, const std::string& label)
{
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos || line.compare(start, label.size() + 1, label + " ") != 0) continue;
    const std::size_t value = line.find_first_not_of(' ', start + label.size());
    return value == std::string::npos ? "" : line.substr(value);
  }
  return "(no line " + label + ")";
}

TEST_F(ZalmpTool, DemoThenInfoCheckAndConvertToAnOlderLayout)
{
  const ZalmpOutcome demo = Zalmp("demo");
  ASSERT_EQ(0, demo.exit) << demo.err;
  EXPECT_EQ("", demo.err);
  EXPECT_NE(std::string::npos, demo.out.find("Saved the demo mechanism to demo.xml")) << demo.out;

  // demo shows what info shows of the file it saved
  const ZalmpOutcome info = Zalmp("info demo.xml");
  ASSERT_EQ(0, info.exit) << info.err;
  EXPECT_EQ(info.out, demo.out.substr(demo.out.size() - std::min(demo.out.size(), info.out.size())));
  EXPECT_EQ("R2018.1", ValueOf(info.out, "Format version"));
  EXPECT_EQ("5", ValueOf(info.out, "Body"));
  EXPECT_EQ("13", ValueOf(info.out, "Geometry"));
  EXPECT_EQ("5", ValueOf(info.out, "Variable"));
  EXPECT_EQ("9", ValueOf(info.out, "Value"));
  EXPECT_EQ("(no line Joint)", ValueOf(info.out, "Joint")) << "kinds with no entity are left out";
  EXPECT_EQ("\"GlobalAxisSystem\"", ValueOf(info.out, "Axis system"));
  EXPECT_EQ("0 -9.81 0", ValueOf(info.out, "Gravity"));
  EXPECT_NE(std::string::npos, info.out.find("Warnings (0)\n  none\n")) << info.out;

  const ZalmpOutcome check = Zalmp("check demo.xml");
  EXPECT_EQ(0, check.exit) << check.out;
  EXPECT_EQ("demo.xml: no problems\n", check.out);

  const ZalmpOutcome convert = Zalmp("convert demo.xml old.xml --format-version R2016.1");
  ASSERT_EQ(0, convert.exit) << convert.err;
  EXPECT_EQ("Converted demo.xml (R2018.1) to old.xml (R2016.1)\n", convert.out);
  const ZalmpOutcome old = Zalmp("info old.xml");
  ASSERT_EQ(0, old.exit) << old.err;
  EXPECT_EQ("R2016.1", ValueOf(old.out, "Format version"));
  EXPECT_EQ("13", ValueOf(old.out, "Geometry"));

  // that layout stores a value's quantity by number and needs one: the boolean
  // and the text of the demo, which have none, cannot be read back from it
  const ZalmpOutcome oldCheck = Zalmp("check old.xml");
  EXPECT_EQ(1, oldCheck.exit);
  std::istringstream lines(oldCheck.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_NE(std::string::npos, line.find(" problems")) << line;
  std::set<std::string> elements;
  while (std::getline(lines, line)) {
    EXPECT_EQ(0u, line.find("  warning ")) << line;
    elements.insert(line.substr(line.find('<'), line.find(' ', line.find('<')) - line.find('<')));
  }
  EXPECT_EQ((std::set<std::string>{"<Boolean", "<String"}), elements) << oldCheck.out;
}

}  // namespace
