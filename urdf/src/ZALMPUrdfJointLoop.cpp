#include "ZALMPUrdfJointLoop.h"

#include <pugixml.hpp>

#include <map>
#include <vector>

std::string ZALMPUrdfJointLoop(std::string_view text)
{
  pugi::xml_document document;
  if (!document.load_buffer(text.data(), text.size())) return {};
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
