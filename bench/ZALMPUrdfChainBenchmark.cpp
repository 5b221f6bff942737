// A URDF robot of N links in a serial chain, read and written by urdfdom and,
// once imported into a world, by our own load and save of the same model.
// Each link has a mass, a full inertia, a box to show and a cylinder to
// collide with; consecutive links are tied by a revolute joint with limits.
// Times are reported per link. Making the URDF text, importing it and the
// first save are setup, not timed.
#include "ZALMPBenchSupport.h"

#include <ZALMPUrdf.h>
#include <ZALMPXml.h>
#include <ZALMPXmlCodec.h>

#include <benchmark/benchmark.h>
#include <urdf_parser/urdf_parser.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace ZALMPBench;

// Appends ` name="v1 v2 ..."`, each value in the shortest text that reads back to it.
void AppendAttribute(std::string& text, std::string_view name, const std::vector<double>& values)
{
  text += ' ';
  text += name;
  text += "=\"";
  for (std::size_t index = 0; index < values.size(); ++index) {
    if (index > 0) text += ' ';
    char buffer[32];
    text.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, values[index]).ptr);
  }
  text += '"';
}

void AppendOrigin(std::string& text, std::string_view indent, const std::vector<double>& xyz,
                  const std::vector<double>& rpy)
{
  text += indent;
  text += "<origin";
  AppendAttribute(text, "xyz", xyz);
  AppendAttribute(text, "rpy", rpy);
  text += "/>\n";
}

void AppendLinkText(std::string& text, int index)
{
  // Numbers vary a little from link to link, so the text is not one block repeated.
  const double step = index % 7 * 0.125;
  text += "  <link name=\"link_" + std::to_string(index) + "\">\n    <inertial>\n";
  AppendOrigin(text, "      ", {0.05, 0.001 * step, -0.002}, {0.01, 0.02 * step, -0.03});
  text += "      <mass";
  AppendAttribute(text, "value", {1.0 + step});
  text += "/>\n      <inertia";
  const double scale = 1e-3 * (1.0 + step);
  AppendAttribute(text, "ixx", {scale});
  AppendAttribute(text, "ixy", {-0.01 * scale});
  AppendAttribute(text, "ixz", {0.02 * scale});
  AppendAttribute(text, "iyy", {2.0 * scale});
  AppendAttribute(text, "iyz", {-0.03 * scale});
  AppendAttribute(text, "izz", {2.5 * scale});
  text += "/>\n    </inertial>\n    <visual>\n";
  AppendOrigin(text, "      ", {0.05, 0, 0.001 * step}, {0, 0.01 * step, 0});
  text += "      <geometry><box";
  AppendAttribute(text, "size", {0.1, 0.02 + 0.001 * step, 0.02});
  text += "/></geometry>\n    </visual>\n    <collision>\n";
  AppendOrigin(text, "      ", {0.05, 0, 0}, {0, 1.5707963267948966, 0.001 * step});
  text += "      <geometry><cylinder";
  AppendAttribute(text, "radius", {0.012 + 0.001 * step});
  AppendAttribute(text, "length", {0.1});
  text += "/></geometry>\n    </collision>\n  </link>\n";
}

void AppendJointText(std::string& text, int index)
{
  const double step = index % 7 * 0.125;
  text += "  <joint name=\"joint_" + std::to_string(index) + "\" type=\"revolute\">\n";
  text += "    <parent link=\"link_" + std::to_string(index - 1) + "\"/>\n";
  text += "    <child link=\"link_" + std::to_string(index) + "\"/>\n";
  AppendOrigin(text, "    ", {0.1, 0, 0.001 * step}, {0.001 * step, -0.002, 0.003});
  // Odd joints turn about Y, even ones about Z.
  const double aboutY = index % 2;
  text += "    <axis";
  AppendAttribute(text, "xyz", {0, aboutY, 1 - aboutY});
  text += "/>\n    <limit";
  AppendAttribute(text, "lower", {-1.5 - 0.1 * step});
  AppendAttribute(text, "upper", {1.5 + 0.1 * step});
  AppendAttribute(text, "effort", {10.0 + step});
  AppendAttribute(text, "velocity", {2.0});
  text += "/>\n  </joint>\n";
}

// The URDF text of a serial chain of `links` links and `links` - 1 revolute joints.
std::string ChainText(int links)
{
  std::string text = "<?xml version=\"1.0\"?>\n<robot name=\"chain\">\n";
  for (int index = 0; index < links; ++index) {
    AppendLinkText(text, index);
    if (index > 0) AppendJointText(text, index);
  }
  text += "</robot>\n";
  return text;
}

// One size's texts and models, made once: the URDF text, urdfdom's model of
// it, our world imported from it, and that world's file and its text.
struct Robot {
  std::string urdf;
  urdf::ModelInterfaceSharedPtr parsed;
  ZALMPXmlModel imported;
  std::filesystem::path file;
  std::string fileText;

  explicit Robot(int links)
      : urdf(ChainText(links)),
        parsed(urdf::parseURDF(urdf)),
        file(std::filesystem::temp_directory_path() / ("zalmp-urdf-chain-" + std::to_string(links) + ".xml"))
  {
    // The first save also gives every entity its identifier, which a loaded model has already.
    if (!parsed || !ZALMPUrdf::Import(urdf, imported).Ok() || !ZALMPXml::Save(*imported.world, file).Ok() ||
        !ZALMPXmlCodec::LoadText(file, fileText).Ok())
      std::abort();
  }
};

const Robot& SharedRobot(int links)
{
  static std::map<int, std::unique_ptr<Robot>> robots;
  std::unique_ptr<Robot>& robot = robots[links];
  if (!robot) robot = std::make_unique<Robot>(links);
  return *robot;
}

// Our load and urdfdom's parse both free their model untimed (TimeWithPeak
// drops what the operation returns outside the timing). urdfdom's links own
// their children, so its model frees a chain recursively; at 10^5 links that
// stays well within an 8 MiB stack.
void BM_UrdfdomParse(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  const std::string& text = SharedRobot(links).urdf;
  const double peak = TimeWithPeak(state, [&] {
    urdf::ModelInterfaceSharedPtr parsed = urdf::parseURDF(text);
    if (!parsed) state.SkipWithError("parse failed");
    return parsed;
  });
  SetPerLink(state, links);
  state.counters["peak_per_text_byte"] = peak / static_cast<double>(text.size());
  state.counters["text_bytes_per_link"] = static_cast<double>(text.size()) / links;
}

// Reads the file from disk; urdfdom is given its text in memory, as BM_Read is.
void BM_Load(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  TimeLoad(state, SharedRobot(links).file, links);
}

// Our read of the same file's text already in memory, as urdfdom's parse is given its text.
void BM_Read(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  const std::string& text = SharedRobot(links).fileText;
  const double peak = TimeWithPeak(state, [&] {
    ZALMPXmlModel model;
    if (!ZALMPXml::Read(text, model).Ok()) state.SkipWithError("read failed");
    return model;
  });
  SetPerLink(state, links);
  state.counters["peak_per_file_byte"] = peak / static_cast<double>(text.size());
}

void BM_PugixmlParse(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  TimePugixmlParse(state, SharedRobot(links).file, links);
}

void BM_PugixmlPrint(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  TimePugixmlPrint(state, SharedRobot(links).file, links);
}

// urdfdom's export into a TinyXML document, printed to text in memory.
void BM_UrdfdomExport(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  const urdf::ModelInterface& model = *SharedRobot(links).parsed;
  const double peak = TimeWithPeak(state, [&] {
    const std::unique_ptr<TiXmlDocument> document(urdf::exportURDF(model));
    TiXmlPrinter printer;
    if (!document || !document->Accept(&printer)) state.SkipWithError("export failed");
    return std::string(printer.CStr());
  });
  SetPerLink(state, links);
  state.counters["peak_bytes_per_link"] = peak / links;
}

// Writes to a file beside the target and renames it; urdfdom's export only
// prints into memory, as BM_Write does.
void BM_Save(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  TimeSave(state, *SharedRobot(links).imported.world,
           std::filesystem::temp_directory_path() / "zalmp-urdf-chain-save.xml", links);
}

void BM_Write(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  const ZALMPWorld& world = *SharedRobot(links).imported.world;
  const double peak = TimeWithPeak(state, [&] {
    std::string text;
    if (!ZALMPXml::Write(world, text).Ok()) state.SkipWithError("write failed");
    return text;
  });
  SetPerLink(state, links);
  state.counters["peak_bytes_per_link"] = peak / links;
}

void BM_Clone(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  TimeClone(state, *SharedRobot(links).imported.world, links);
}

// Copies the first half of the links: bodies, their frames and shapes, and
// the joints into them with their constraints and angle variables.
void BM_CloneWithFilter(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  TimeCloneWithFilter(state, *SharedRobot(links).imported.world, links);
}

}  // namespace

// Decided before any memory is taken.
const bool g_keepMemory = KeepMemory();

BENCHMARK(BM_UrdfdomParse)->Apply(Links<100000>);
BENCHMARK(BM_Load)->Apply(Links<100000>);
BENCHMARK(BM_Read)->Apply(Links<100000>);
BENCHMARK(BM_PugixmlParse)->Apply(Links<100000>);
BENCHMARK(BM_PugixmlPrint)->Apply(Links<100000>);
BENCHMARK(BM_UrdfdomExport)->Apply(Links<100000>);
BENCHMARK(BM_Save)->Apply(Links<100000>);
BENCHMARK(BM_Write)->Apply(Links<100000>);
BENCHMARK(BM_Clone)->Apply(Links<100000>);
BENCHMARK(BM_CloneWithFilter)->Apply(Links<100000>);

BENCHMARK_MAIN();
