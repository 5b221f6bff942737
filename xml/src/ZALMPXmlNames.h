#pragma once
#include <string_view>

// The writer's own names. Each contains ':', which no escaped id does, so
// they never meet an element or attribute id.
struct ZALMPXmlNames {
  static constexpr std::string_view kNamespaceDeclaration = "xmlns:zalmp";
  static constexpr std::string_view kNamespace = "urn:zalmp:element-tree";
  static constexpr std::string_view kVersion = "zalmp:version";
  static constexpr std::string_view kEmpty = "zalmp:empty";
};
