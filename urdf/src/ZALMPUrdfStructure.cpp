#include "ZALMPUrdfStructure.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstddef>
#include <map>
#include <vector>

namespace {

std::string Malformed(std::string_view text, const pugi::xml_parse_result& parsed)
{
  const std::size_t offset = std::min(static_cast<std::size_t>(std::max<std::ptrdiff_t>(parsed.offset, 0)), text.size());
  const std::string_view before = text.substr(0, offset);
  const std::size_t line = std::count(before.begin(), before.end(), '\n') + 1;
  const std::size_t lineStart = before.rfind('\n');
  const std::size_t column = offset - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
  return "malformed XML at line " + std::to_string(line) + ", column " + std::to_string(column) + ": " +
         parsed.description();
}

}  // namespace

std::string ZALMPUrdfStructureProblem(std::string_view text)
{
  pugi::xml_document document;
  if (const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size()); !parsed)
    return Malformed(text, parsed);
  // The joints the parser reads: those right under the first "robot" element.
  std::map<std::string, std::vector<std::string>> children;
  std::map<std::string, int> parentCount;
  for (const pugi::xml_node joint : document.child("robot").children("joint")) {
    const std::string parent = joint.child("parent").attribute("link").value();
    const std::string child = joint.child("child").attribute("link").value();
    if (parent.empty() || child.empty()) continue;
    children[parent].push_back(child);
    children.try_emplace(child);
    ++parentCount[child];
    parentCount.try_emplace(parent, 0);
  }
  // Peel off links without a parent; whatever stays lies on or below a loop.
  std::vector<std::string> free;
  for (const auto& [link, count] : parentCount)
    if (count == 0) free.push_back(link);
  while (!free.empty()) {
    const std::string link = free.back();
    free.pop_back();
    parentCount.erase(link);
    for (const std::string& child : children[link])
      if (--parentCount[child] == 0) free.push_back(child);
  }
  if (parentCount.empty()) return {};
  return "link \"" + parentCount.begin()->first + "\" is its own ancestor: the joints form a loop";
}
