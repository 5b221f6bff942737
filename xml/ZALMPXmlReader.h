#pragma once
#include "ZALMPXmlResult.h"

#include <ZALMPDeserializer.h>

#include <cstddef>
#include <memory>
#include <string>

class ZALMPXmlCodec;

/// The XML reader of the element tree: ZALMPXmlCodec::Read and Load build a
/// tree of these from a document, and entities read themselves from it.
///
/// Every XML element becomes an element with the (unescaped) tag as its id;
/// every attribute a String attribute; the element's own text, when it has
/// any, a String value (an element marked zalmp:empty="true" holds the empty
/// text; one with neither has no value). Typed reads convert those texts. An
/// element takes the version in its "zalmp:version" attribute, else its
/// parent's; a root without one has "R2018.1".
class ZALMPXmlReader : public ZALMPDeserializer {
public:
  /// Adds nothing to the element: a tree of them in one storage goes at once.
  using PlainElement = ZALMPXmlReader;

  /// An element on the general heap.
  ZALMPXmlReader() = default;
  /// A root that keeps its tree in one storage of its own (see ZALMPDeserializer).
  explicit ZALMPXmlReader(NewStorage tag) : ZALMPDeserializer(tag) {}
  /// An element made inside a storage.
  explicit ZALMPXmlReader(ZALMPTreeStorage& storage) : ZALMPDeserializer(storage) {}

  /// Replaces this element's content by the root element of the document in
  /// `path`. S_OK. E_FAIL: unreadable or malformed; nothing changes.
  HRESULT Load(const std::wstring& path) override;

private:
  friend class ZALMPXml;
  friend class ZALMPXmlCodec;
  friend class ZALMPXmlReadPaths;
  class Builder;
  class DeferredEntities;
  class DirectBuilder;
  class ElementFiller;
  class EntityShape;

  /// Where a problem lies in the text that was parsed.
  struct Problem {
    std::string message;
    std::size_t offset = 0;  // byte offset in the original text
    // Inside a text, parsing may have moved characters; then the problem is
    // the occurrence number `ordinal` (0-based) of `mark` from `offset` on.
    char mark = 0;
    std::size_t ordinal = 0;
  };

  /// Builds the document in `buffer` into `root`, a new element without
  /// content; `buffer` is working space (its content is undefined afterwards).
  /// False with `problem` set when the document is malformed.
  static bool Build(std::string& buffer, ZALMPXmlReader& root, Problem& problem);
  /// `Build` through the XML parser alone, which takes every document.
  static bool BuildParsed(std::string& buffer, ZALMPXmlReader& root, Problem& problem);
};
