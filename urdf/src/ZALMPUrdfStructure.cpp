#include "ZALMPUrdfStructure.h"

#include <pugixml.hpp>
#include <tinyxml.h>

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

std::string LinkOf(const TiXmlElement* joint, const char* end)
{
  const TiXmlElement* element = joint->FirstChildElement(end);
  const char* link = element ? element->Attribute("link") : nullptr;
  return link ? link : "";
}

}  // namespace

std::string ZALMPUrdfStructureProblem(std::string_view text)
{
  pugi::xml_document strict;
  if (const pugi::xml_parse_result parsed = strict.load_buffer(text.data(), text.size()); !parsed)
    return Malformed(text, parsed);
  // The joints as the parser itself sees them (its own XML reader, which
  // decodes some text differently): those right under the first "robot" element.
  TiXmlDocument document;
  document.Parse(std::string(text).c_str());
  const TiXmlElement* robot = document.FirstChildElement("robot");
  if (!robot) return {};
  std::map<std::string, std::vector<std::string>> children;
  std::map<std::string, int> parentCount;
  for (const TiXmlElement* joint = robot->FirstChildElement("joint"); joint;
       joint = joint->NextSiblingElement("joint")) {
    const std::string parent = LinkOf(joint, "parent");
    const std::string child = LinkOf(joint, "child");
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
