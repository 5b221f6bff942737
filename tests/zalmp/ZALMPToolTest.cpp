// The zalmp program as a user runs it: exit codes (0 done, 1 a problem with a
// model, 2 a command line it does not understand), the key lines of what it
// prints and the warnings it shows while reading and converting.

#include "ZALMPToolRunner.h"

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

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

// The lines of `text` that follow `prefix`, without it.
std::vector<std::string> LinesAfter(const std::string& text, const std::string& prefix)
{
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line.rfind(prefix, 0) == 0) lines.push_back(line.substr(prefix.size()));
  return lines;
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
  const char* const shown[][2] = {{"Format version", "R2018.1"}, {"Body", "5"}, {"Geometry", "17"},
                                  {"Joint", "4"}, {"Constraint", "5"}, {"Value", "20"}, {"Shape", "4"},
                                  {"Connector", "1"}, {"Attribute", "1"}, {"Actuator", "2"},
                                  {"Sensor", "2"}, {"Interaction", "1"}, {"Material", "(no line Material)"},  // kinds with none are left out
                                  {"Axis system", "\"GlobalAxisSystem\""}, {"Gravity", "0 -9.81 0"}};
  for (const auto& [label, value] : shown) EXPECT_EQ(value, ValueOf(info.out, label)) << label;
  EXPECT_NE(std::string::npos, info.out.find("Warnings (0)\n  none\n")) << info.out;

  const ZalmpOutcome check = Zalmp("check demo.xml");
  EXPECT_EQ(0, check.exit) << check.out;
  EXPECT_EQ("demo.xml: no problems\n", check.out);

  const ZalmpOutcome convert = Zalmp("convert demo.xml old.xml --format-version R2016.1");
  ASSERT_EQ(0, convert.exit) << convert.err;
  EXPECT_EQ("Converted demo.xml (R2018.1) to old.xml (R2016.1)\n", convert.out);

  // every value of the demo has a quantity, which that layout needs to read it back
  const ZalmpOutcome oldCheck = Zalmp("check old.xml");
  EXPECT_EQ(0, oldCheck.exit) << oldCheck.out;
  EXPECT_EQ("old.xml: no problems\n", oldCheck.out);
}

TEST_F(ZalmpTool, InfoAndConvertListTheWarningsOfReading)
{
  // A body without identifier, another without its state, a value without its quantity.
  Put("warned.xml",
      "<ZALMPModel xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"R2018.1\">"
      "<World linear_tolerance=\"0.001\" angular_tolerance=\"1e-09\"><Bodies><Body name=\"NoId\"/>"
      "<Body id=\"k\" name=\"Kept\"/></Bodies><Values><Constant id=\"c\" name=\"Speed\"><Value>2</Value></Constant>"
      "</Values></World></ZALMPModel>");
  const ZalmpOutcome info = Zalmp("info warned.xml");
  EXPECT_EQ(0, info.exit) << "warnings are no error";
  EXPECT_EQ("", info.err);
  const std::string listed = info.out.substr(info.out.find("Warnings ("));
  const std::vector<std::string> warnings = LinesAfter(listed, "  ");
  ASSERT_FALSE(warnings.empty()) << info.out;
  EXPECT_EQ(0u, listed.find("Warnings (" + std::to_string(warnings.size()) + ")\n")) << listed;
  const std::regex where(R"(ZALMP\w+\.m/src/ZALMP\w+:\d+  .+)");
  for (const std::string& warning : warnings) EXPECT_TRUE(std::regex_match(warning, where)) << warning;
  for (const char* element : {"ZALMPWorld.m/src/ZALMPWorldPersistence:", "<Body id=\"k\">", "<Constant id=\"c\">"})
    EXPECT_TRUE(std::any_of(warnings.begin(), warnings.end(),
                            [&](const std::string& w) { return w.find(element) != std::string::npos; }))
        << element;

  // Converting repeats them on standard error; a layout before R2018.0 also
  // warns of each value it cannot keep.
  for (const std::string version : {"R2017.1", "R2018.0"}) {
    const ZalmpOutcome convert = Zalmp("convert warned.xml out.xml --format-version " + version);
    EXPECT_EQ(0, convert.exit) << version;
    EXPECT_EQ(warnings, LinesAfter(convert.err, "zalmp: warned.xml: warning: ")) << version;
    EXPECT_EQ(version == "R2017.1" ? std::vector<std::string>{"value \"Speed\" has no physical quantity; the layout "
                                                               "of R2017.1 cannot keep its content"}
                                   : std::vector<std::string>{},
              LinesAfter(convert.err, "zalmp: out.xml: warning: "))
        << version;
    EXPECT_EQ("Converted warned.xml (R2018.1) to out.xml (" + version + ")\n", convert.out);
  }
}

TEST_F(ZalmpTool, ModelProblemsExitWithOneAndCommandLineProblemsWithTwo)
{
  const std::string head = "<ZALMPModel xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"";
  Put("model.xml", head + "R2018.1\"><World/></ZALMPModel>");
  Put("unknown.xml", head + "R1999.0\"><World/></ZALMPModel>");
  Put("broken.xml", "<ZALMPModel>\n  <World>\n    <Bodies>\n</ZALMPModel>\n");

  const struct {
    const char* arguments;
    int exit;
    const char* said;  // on standard error
  } cases[] = {
      {"convert unknown.xml out.xml", 1, "R1999.0"},
      {"info nowhere.xml", 1, "zalmp: nowhere.xml"},
      {"check broken.xml", 1, "zalmp: broken.xml:4:3: "},
      {"info .", 1, "zalmp: .: "},
      {"convert model.xml missing/out.xml", 1, "missing/out.xml"},
      {"demo missing/demo.xml", 1, "missing/demo.xml"},
      {"check", 2, "FILE"},
      {"demo a.xml b.xml", 2, ""},
      {"convert model.xml", 2, ""},
      {"convert model.xml out.xml --format-version", 2, "--format-version"},
      {"convert model.xml out.xml --format-version r2018.1", 2, "r2018.1"},
      {"check model.xml --strict", 2, "--strict"},
      {"", 2, ""},
      {"frobnicate model.xml", 2, "frobnicate"},
  };
  for (const auto& c : cases) {
    const ZalmpOutcome run = Zalmp(c.arguments);
    EXPECT_EQ(c.exit, run.exit) << "zalmp " << c.arguments;
    EXPECT_NE("", run.err) << "zalmp " << c.arguments;
    EXPECT_NE(std::string::npos, run.err.find(c.said)) << "zalmp " << c.arguments << ": " << run.err;
    EXPECT_FALSE(Exists("out.xml")) << "zalmp " << c.arguments;
    if (c.exit == 1) {
      EXPECT_EQ("", run.out) << "zalmp " << c.arguments;
    }
  }

  // Without "Globals" the world's own globals stay its globals, filed nowhere:
  // a problem for check, not for info.
  const ZalmpOutcome info = Zalmp("info model.xml");
  EXPECT_EQ(0, info.exit);
  EXPECT_NE(std::string::npos, info.out.find("Warnings (0)\n  none\n")) << info.out;
  const ZalmpOutcome check = Zalmp("check model.xml");
  EXPECT_EQ(1, check.exit);
  EXPECT_EQ((std::vector<std::string>{
                "dangling  World: global body \"GlobalBody\" is not filed in the Body registry",
                "dangling  World: global axis system \"GlobalAxisSystem\" is not filed in the Geometry registry",
                "dangling  World: global time \"GlobalTime\" is not filed in the Variable registry"}),
            LinesAfter(check.out, "  "))
      << check.out;
  EXPECT_EQ(0u, check.out.find("model.xml: 3 problems\n")) << check.out;

  const ZalmpOutcome help = Zalmp("--help");
  EXPECT_EQ(0, help.exit) << "help is no usage error";
  EXPECT_NE(std::string::npos, help.out.find("convert")) << help.out;
}

TEST_F(ZalmpTool, UrdfImportCheckAndExportWarnOnStandardErrorAndAMalformedRobotWritesNothing)
{
  Put("robot.urdf",
      "<robot name=\"r\"><link name=\"a\"/><link name=\"b\"/><joint name=\"ab\" type=\"revolute\"><parent "
      "link=\"a\"/><child link=\"b\"/><limit lower=\"-1\" upper=\"1\" effort=\"5\" velocity=\"1\"/></joint></robot>");
  const ZalmpOutcome imported = Zalmp("import-urdf robot.urdf model.xml --fixed-base");
  ASSERT_EQ(0, imported.exit) << imported.err;
  EXPECT_EQ("Imported robot.urdf to model.xml\n", imported.out);
  EXPECT_EQ((std::vector<std::string>{"robot \"r\": the robot's name is not kept",
                                      "joint \"ab\": effort and velocity limits are not kept"}),
            LinesAfter(imported.err, "zalmp: robot.urdf: warning: "));
  EXPECT_EQ("model.xml: no problems\n", Zalmp("check model.xml").out);

  const ZalmpOutcome exported = Zalmp("export-urdf model.xml back.urdf");
  ASSERT_EQ(0, exported.exit) << exported.err;
  EXPECT_EQ("", exported.err);
  EXPECT_NE(std::string::npos, Content("back.urdf").find("<joint name=\"ab\" type=\"revolute\">"));

  Put("broken.urdf", "<robot name=\"r\"><link name=\"a\"/><link name=\"b\"/></robot>");
  const ZalmpOutcome broken = Zalmp("import-urdf broken.urdf broken.xml");
  EXPECT_EQ(1, broken.exit);
  EXPECT_EQ(0u, broken.err.find("zalmp: broken.urdf: ")) << broken.err;
  EXPECT_NE(std::string::npos, broken.err.find("Two root links")) << broken.err;
  EXPECT_FALSE(Exists("broken.xml"));
}

}  // namespace
