// The zalmp program's exit codes (0 done, 1 a problem with a model, 2 a command
// line it does not understand) and the warnings it shows while reading and
// converting.

#include "ZALMPToolRunner.h"

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A model that reads with warnings: a body without identifier, another
// without its state, a value without its quantity.
const char* const kWarnedModel =
    "<ZALMPModel xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"R2018.1\">"
    "<World linear_tolerance=\"0.001\" angular_tolerance=\"1e-09\"><Bodies><Body name=\"NoId\"/>"
    "<Body id=\"k\" name=\"Kept\"/></Bodies><Values><Constant id=\"c\" name=\"Speed\"><Value>2</Value></Constant>"
    "</Values></World></ZALMPModel>";

// The lines of `text` that follow `prefix`, without it.
std::vector<std::string> LinesAfter(const std::string& text, const std::string& prefix)
{
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line.rfind(prefix, 0) == 0) lines.push_back(line.substr(prefix.size()));
  return lines;
}

TEST_F(ZalmpTool, InfoAndConvertListTheWarningsOfReading)
{
  Put("warned.xml", kWarnedModel);
  const ZalmpOutcome info = Zalmp("info warned.xml");
  EXPECT_EQ(0, info.exit) << "warnings are no error";
  EXPECT_EQ("", info.err);
  const std::string listed = info.out.substr(info.out.find("Warnings ("));
  const std::vector<std::string> warnings = LinesAfter(listed, "  ");
  ASSERT_FALSE(warnings.empty()) << info.out;
  EXPECT_EQ(0u, listed.find("Warnings (" + std::to_string(warnings.size()) + ")\n")) << listed;
  const std::regex where(R"(ZALMP\w+\.m/src/ZALMP\w+:\d+  .+)");
  for (const std::string& warning : warnings) EXPECT_TRUE(std::regex_match(warning, where)) << warning;
  const auto names = [&](const std::string& element) {
    return std::any_of(warnings.begin(), warnings.end(),
                       [&](const std::string& w) { return w.find(element) != std::string::npos; });
  };
  EXPECT_TRUE(names("ZALMPWorld.m/src/ZALMPWorldPersistence:")) << "the body without identifier";
  EXPECT_TRUE(names("<Body id=\"k\">"));
  EXPECT_TRUE(names("<Constant id=\"c\">"));

  // Converting repeats them on standard error; a layout before R2018.0 also
  // warns of each value it cannot keep.
  for (const char* version : {"R2017.1", "R2018.0"}) {
    const ZalmpOutcome convert = Zalmp(std::string("convert warned.xml out.xml --format-version ") + version);
    EXPECT_EQ(0, convert.exit) << version;
    EXPECT_EQ(warnings, LinesAfter(convert.err, "zalmp: warned.xml: warning: ")) << version;
    const std::vector<std::string> lost = LinesAfter(convert.err, "zalmp: out.xml: warning: ");
    const bool older = version == std::string("R2017.1");
    EXPECT_EQ(older ? std::vector<std::string>{"value \"Speed\" has no physical quantity; the layout of R2017.1 "
                                               "cannot keep its content"}
                    : std::vector<std::string>{},
              lost)
        << version;
    EXPECT_EQ(std::string("Converted warned.xml (R2018.1) to out.xml (") + version + ")\n", convert.out);
  }
}

TEST_F(ZalmpTool, ADanglingLinkIsAProblemForCheckButNotForInfo)
{
  // Without "Globals" the world's own globals stay its globals, filed nowhere.
  ASSERT_EQ(0, Zalmp("demo model.xml").exit);
  const std::string model = Content("model.xml");
  const std::size_t from = model.find("<Globals>");
  const std::string end = "</Globals>";
  ASSERT_NE(std::string::npos, from);
  Put("unglobal.xml", model.substr(0, from) + model.substr(model.find(end) + end.size()));

  const ZalmpOutcome info = Zalmp("info unglobal.xml");
  EXPECT_EQ(0, info.exit);
  EXPECT_NE(std::string::npos, info.out.find("Warnings (0)\n  none\n")) << info.out;
  const ZalmpOutcome check = Zalmp("check unglobal.xml");
  EXPECT_EQ(1, check.exit);
  EXPECT_EQ((std::vector<std::string>{
                "dangling  World: global body \"GlobalBody\" is not filed in the Body registry",
                "dangling  World: global axis system \"GlobalAxisSystem\" is not filed in the Geometry registry",
                "dangling  World: global time \"GlobalTime\" is not filed in the Variable registry"}),
            LinesAfter(check.out, "  "))
      << check.out;
  EXPECT_EQ(0u, check.out.find("unglobal.xml: 3 problems\n")) << check.out;
}

TEST_F(ZalmpTool, ModelProblemsExitWithOneAndCommandLineProblemsWithTwo)
{
  ASSERT_EQ(0, Zalmp("demo model.xml").exit);
  std::string unknown = Content("model.xml");
  unknown.replace(unknown.find("R2018.1"), 7, "R1999.0");
  Put("unknown.xml", unknown);
  Put("broken.xml", "<ZALMPModel>\n  <World>\n    <Bodies>\n</ZALMPModel>\n");

  struct Case {
    const char* arguments;
    int exit;
    const char* said;  // on standard error
  };
  const std::vector<Case> cases = {
      {"convert unknown.xml out.xml", 1, "R1999.0"},
      {"check unknown.xml", 1, "R1999.0"},
      {"convert nowhere.xml out.xml", 1, "nowhere.xml"},
      {"info nowhere.xml", 1, "zalmp: nowhere.xml"},
      {"info broken.xml", 1, "zalmp: broken.xml:4:3: "},
      {"check broken.xml", 1, "zalmp: broken.xml:4:3: "},
      {"convert broken.xml out.xml", 1, "zalmp: broken.xml:4:3: "},
      {"info .", 1, "zalmp: .: "},
      {"convert model.xml missing/out.xml", 1, "missing/out.xml"},
      {"demo missing/demo.xml", 1, "missing/demo.xml"},
      {"check", 2, "FILE"},
      {"demo a.xml b.xml", 2, ""},
      {"convert model.xml out.xml --format-version", 2, "--format-version"},
      {"convert model.xml out.xml --format-version r2018.1", 2, "r2018.1"},
      {"convert model.xml out.xml extra.xml", 2, ""},
      {"check model.xml --strict", 2, "--strict"},
      {"", 2, ""},
      {"frobnicate model.xml", 2, "frobnicate"},
      {"info", 2, ""},
      {"info a.xml b.xml", 2, ""},
      {"convert model.xml out.xml --format-version R2019.0", 2, "R2019.0"},
      {"convert model.xml", 2, ""},
  };
  for (const Case& c : cases) {
    const ZalmpOutcome run = Zalmp(c.arguments);
    EXPECT_EQ(c.exit, run.exit) << "zalmp " << c.arguments;
    EXPECT_NE("", run.err) << "zalmp " << c.arguments;
    EXPECT_NE(std::string::npos, run.err.find(c.said)) << "zalmp " << c.arguments << ": " << run.err;
    EXPECT_FALSE(Exists("out.xml")) << "zalmp " << c.arguments;
    if (c.exit == 1) {
      EXPECT_EQ("", run.out) << "zalmp " << c.arguments;
    }
  }

  const ZalmpOutcome help = Zalmp("--help");
  EXPECT_EQ(0, help.exit);
  for (const char* command : {"demo", "info", "check", "convert"})
    EXPECT_NE(std::string::npos, help.out.find(command)) << help.out;
  const ZalmpOutcome convertHelp = Zalmp("convert --help");
  EXPECT_EQ(0, convertHelp.exit);
  EXPECT_NE(std::string::npos, convertHelp.out.find("--format-version")) << convertHelp.out;
}

}  // namespace
