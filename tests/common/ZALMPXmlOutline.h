#pragma once
#include <ZALMPXmlCodec.h>

#include <regex>
#include <string>
#include <string_view>
#include <vector>

/// The element and attribute names of an XML document in document order,
/// without values: each element as `Tag[attribute,...](child,...)`, brackets
/// left out when empty. The document's root element (the tree's root, which
/// carries the format version) is not shown, so the outline of
/// `<root><Body id="1"><Mass>2</Mass></Body><Point/></root>` is `Body[id](Mass),Point`.
inline std::string XmlOutline(std::string_view xml)
{
  static const std::regex tag(R"(<(/?)([^\s/>?!]+)((?:\s+[^\s=/>]+="[^"]*")*)\s*(/?)>)");
  static const std::regex attributeName(R"re(\s+([^\s=]+)=")re");
  std::string outline;
  std::vector<int> written;  // per open element, the number of its children written so far
  const std::string text(xml);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), tag); it != std::sregex_iterator(); ++it) {
    const std::smatch& match = *it;
    if (match[1].length() > 0) {
      if (written.size() > 1 && written.back() > 0) outline += ")";
      written.pop_back();
      continue;
    }
    if (!written.empty()) {
      if (written.back() > 0)
        outline += ",";
      else if (written.size() > 1)
        outline += "(";
      ++written.back();
      outline += match[2].str();
      std::string attributes;
      const std::string all = match[3].str();
      for (auto a = std::sregex_iterator(all.begin(), all.end(), attributeName); a != std::sregex_iterator(); ++a)
        attributes += (attributes.empty() ? "" : ",") + (*a)[1].str();
      if (!attributes.empty()) outline += "[" + attributes + "]";
    }
    if (match[4].length() == 0) written.push_back(0);
  }
  return outline;
}

/// The outline of the document `root` gives.
inline std::string XmlOutline(const ZALMPXmlWriter& root)
{
  return XmlOutline(ZALMPXmlCodec::Write(root));
}
