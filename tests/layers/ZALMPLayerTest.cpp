// The project's layers, checked on its sources: which folders and files may
// include which. A new include that breaks a layer fails here, naming the
// file, the header and the rule.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot(ZALMP_SOURCE_DIR);

// Every source and header of the product, by path relative to the root.
std::vector<std::string> ProductFiles()
{
  static const std::set<std::string> kTops = {"PublicInterfaces", "platform", "xml", "urdf", "tools"};
  std::vector<std::string> files;
  for (const auto& top : fs::directory_iterator(kRoot)) {
    if (!top.is_directory() || (!kTops.count(top.path().filename()) && top.path().extension() != ".m")) continue;
    for (const auto& entry : fs::recursive_directory_iterator(top.path()))
      if (entry.path().extension() == ".h" || entry.path().extension() == ".cpp")
        files.push_back(fs::relative(entry.path(), kRoot).generic_string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string TopFolder(const std::string& path)
{
  return path.substr(0, path.find('/'));
}

std::string Stem(const std::string& path)
{
  return fs::path(path).stem().string();
}

// A file's includes, resolved to product files: first the includer's own
// folder, then the public headers, then anywhere in the product. Standard and
// outside headers resolve to nothing and are left out.
class IncludeGraph {
public:
  IncludeGraph()
  {
    for (const std::string& file : ProductFiles()) m_byName.emplace(fs::path(file).filename().string(), file);
    for (const auto& [name, file] : m_byName) Read(file);
  }

  const std::multimap<std::string, std::string>& Edges() const { return m_edges; }

  // The module folder that implements a public header: the one with its source.
  std::string Owner(const std::string& file) const
  {
    if (TopFolder(file) != "PublicInterfaces") return TopFolder(file);
    for (auto [at, end] = m_byName.equal_range(Stem(file) + ".cpp"); at != end; ++at) return TopFolder(at->second);
    return "PublicInterfaces";
  }

private:
  void Read(const std::string& file)
  {
    static const std::regex include(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
    std::ifstream in(kRoot / file);
    std::string line;
    std::smatch match;
    while (std::getline(in, line)) {
      if (!std::regex_search(line, match, include)) continue;
      const std::string target = Resolve(file, fs::path(match[1].str()).filename().string());
      if (!target.empty()) m_edges.emplace(file, target);
    }
  }

  std::string Resolve(const std::string& from, const std::string& name) const
  {
    const auto [begin, end] = m_byName.equal_range(name);
    std::string found;
    for (auto at = begin; at != end; ++at) {
      if (fs::path(at->second).parent_path() == fs::path(from).parent_path()) return at->second;
      if (found.empty() || TopFolder(at->second) == "PublicInterfaces") found = at->second;
    }
    return found;
  }

  std::multimap<std::string, std::string> m_byName;
  std::multimap<std::string, std::string> m_edges;
};

const IncludeGraph& Graph()
{
  static const IncludeGraph graph;
  return graph;
}

TEST(Layers, FoldersIncludeEachOtherWithoutACircle)
{
  std::map<std::string, std::set<std::string>> folders;
  for (const auto& [from, to] : Graph().Edges())
    if (TopFolder(from) != TopFolder(to)) folders[TopFolder(from)].insert(TopFolder(to));

  // Depth-first search; a folder met again on the current path closes a circle.
  std::vector<std::string> path;
  std::set<std::string> done;
  std::function<void(const std::string&)> visit = [&](const std::string& folder) {
    if (done.count(folder)) return;
    const auto open = std::find(path.begin(), path.end(), folder);
    if (open != path.end()) {
      std::string circle;
      for (auto at = open; at != path.end(); ++at) circle += *at + " -> ";
      ADD_FAILURE() << "include circle: " << circle << folder;
      return;
    }
    path.push_back(folder);
    for (const std::string& next : folders[folder]) visit(next);
    path.pop_back();
    done.insert(folder);
  };
  for (const auto& [folder, next] : folders) visit(folder);
}

// The layers from the bottom up, by the module that implements a file. A file
// may include its own layer and the ones below. The element tree (with the
// failure report it calls) knows no entity; the entity base and the kinds know no world; the library knows
// neither its XML encoding nor the tool.
int LayerOf(const std::string& file)
{
  static const std::set<std::string> elementTree = {"ZALMPSerializer", "ZALMPDeserializer", "ZALMPCompactText",
                                                    "ZALMPTreeStorage", "ZALMPValueCell", "ZALMPVersionSlot",
                                                    "ZALMPAllocationStatus", "ZALMPVersion", "ZALMPAssertionReport",
                                                    "ZALMPSourceLocation", "ZALMPExport", "ZALMPReportCollector",
                                                    "ZALMPSerializationVariable", "ZALMPSerializationVariant",
                                                    "ZALMPExactDecimal", "ZALMPAsciiNarrowing"};
  const std::string owner = Graph().Owner(file);
  if (owner == "platform") return 0;
  if (elementTree.count(Stem(file))) return 1;
  if (owner == "ZALMPWorld.m" || Stem(file) == "ZALMPEntityKinds") return 3;
  if (owner == "xml" || owner == "urdf") return 4;
  if (owner == "tools") return 5;
  return 2;  // the entity base, its services and the kinds
}

// A module's sources are private to it.
TEST(Layers, EachLayerIncludesOnlyItselfAndTheLayersBelowAndNoOtherModulesSources)
{
  static const char* const kNames[] = {"platform", "element tree and failure report", "entities", "world", "XML and URDF encodings", "tool"};
  for (const auto& [from, to] : Graph().Edges()) {
    EXPECT_LE(LayerOf(to), LayerOf(from)) << from << " (" << kNames[LayerOf(from)] << ") includes " << to << " ("
                                          << kNames[LayerOf(to)] << ")";
    if (to.find(".m/src/") != std::string::npos) {
      EXPECT_EQ(TopFolder(to), TopFolder(from)) << from << " includes " << to << ", private to its module";
    }
  }
}

}  // namespace
