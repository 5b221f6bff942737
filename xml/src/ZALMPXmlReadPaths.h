#pragma once
#include <ZALMPXmlReader.h>

#include <memory>
#include <string_view>

// The two ways a document becomes a tree, each alone, for checks that
// compare them: the direct reading must make exactly the parser's tree.
class ZALMPXmlReadPaths {
public:
  // The tree of `text` through the XML parser; false when it is malformed.
  static bool ReadParsed(std::string_view text, std::unique_ptr<ZALMPXmlReader>& root);
  // The tree of `text` through the direct reading; false when it gives up.
  static bool ReadDirect(std::string_view text, std::unique_ptr<ZALMPXmlReader>& root);
};
