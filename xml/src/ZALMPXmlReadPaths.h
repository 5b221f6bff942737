#pragma once
#include <ZALMPXml.h>
#include <ZALMPXmlReader.h>

#include <functional>
#include <memory>
#include <string_view>

// The ways a document becomes a tree, and a world, each alone, for checks
// that compare them: the direct reading must make exactly the parser's tree,
// and a world read entity by entity must be the one read from the whole tree.
class ZALMPXmlReadPaths {
public:
  // The tree of `text` through the XML parser; false when it is malformed.
  static bool ReadParsed(std::string_view text, std::unique_ptr<ZALMPXmlReader>& root);
  // The tree of `text` through the direct reading; false when it gives up.
  static bool ReadDirect(std::string_view text, std::unique_ptr<ZALMPXmlReader>& root);
  // The world of `text` read entity by entity; false when that reading gives up.
  static bool ReadWorldEntityByEntity(std::string_view text, ZALMPXmlModel& model, ZALMPXmlResult& result);
  // The world of `text` read from its whole tree.
  static ZALMPXmlResult ReadWorldWhole(std::string_view text, ZALMPXmlModel& model);
  // Each entity element of the model document `text`, collection by
  // collection and in order within each, with its content as the reading
  // entity by entity gives it, and whether its tree was the one before
  // refilled; `visit` may read it. False when that reading gives up.
  static bool VisitEntityTrees(std::string_view text,
                               const std::function<void(const ZALMPDeserializer& entity, bool refilled)>& visit);
};
