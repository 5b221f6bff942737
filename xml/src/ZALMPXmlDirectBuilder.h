#pragma once
#include <ZALMPXmlReader.h>

#include "ZALMPXmlElementFiller.h"
#include "ZALMPXmlRawText.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Builds the tree straight from the text in one pass, noting what each name
// and text needs while it scans it, for the documents that need nothing the
// parser alone knows: a leading XML declaration, elements, attributes, texts
// and comments, without carriage returns, tabs or line feeds in attribute
// values, NUL, BOM, DOCTYPE, CDATA or other processing instructions. On
// anything else, well-formed or not, it gives up: the parser then reads the
// document and makes exactly the tree, or the error, it always made.
class ZALMPXmlReader::DirectBuilder {
public:
  // An element built without its content: where its start tag begins and its end tag ends.
  struct Deferred {
    const ZALMPDeserializer* element;
    std::size_t begin;
    std::size_t end;
  };

  // `text` is only read; a NUL must follow it, which ends every scan.
  explicit DirectBuilder(std::string_view text);

  // Makes `Build` leave out the content of the entity elements, the children
  // of the elements named in `collections` under "ZALMPModel" and "World",
  // and note each of them in `deferred`. Their content is only skipped, with
  // fewer checks than building it takes: it is to be built later.
  void DeferEntities(const std::vector<std::string_view>& collections, std::vector<Deferred>& deferred);

  // Builds the document into `root`, a new element without content. False
  // when it gives up; `root` then holds part of the tree if `Started`.
  bool Build(ZALMPXmlReader& root);
  bool Started() const { return m_started; }
  // Builds the element that `deferred` notes into `element`, a new element
  // without content, as a child of one of version `parentVersion`. False
  // when it gives up or the element does not end where it was noted to.
  bool BuildElement(ZALMPXmlReader& element, const Deferred& deferred, std::wstring_view parentVersion);
  // Makes `BuildElement` record the shape of what it builds into `shape`
  // (null: none), which is usable when the build succeeds.
  void RecordShape(EntityShape* shape) { m_shape = shape; }

private:
  // An element whose content is being read.
  struct Open {
    ZALMPXmlReader* element = nullptr;
    std::string_view name;
    std::wstring_view version;
    ZALMPXmlRawText first;  // a text before any child: the element's own text
    bool hasFirst = false;
    bool hasChild = false;
    bool emptyText = false;
    bool defersChildren = false;
    bool pieces = false;    // its text comes in several pieces, joined in `joined`
    std::string joined;
  };

  bool SkipMisc();
  bool SkipPast(std::string_view end);
  void SkipSpaces();
  ZALMPXmlRawText Name();
  bool Value(char quote, ZALMPXmlRawText& raw);
  bool Content();
  bool Text();
  bool StartElement(ZALMPXmlReader& root);
  bool TakeLeaf(ZALMPXmlReader& parent, const ZALMPXmlRawText& tag, bool& taken);
  bool EndElement();
  bool EndTag(std::string_view name);
  bool SkipContent(std::string_view name);
  bool DefersChildren(std::string_view name) const;
  void RecordStart(ZALMPXmlReader& element, std::string_view name, bool closed);
  bool Close(Open& open);

  const char* const m_begin;
  const char* m_p;
  const char* const m_end;
  std::wstring_view m_rootVersion;  // the version the root's parent would pass on
  Problem m_ignored;  // the direct reading gives up instead of failing
  ElementFiller m_filler;
  bool m_started = false;
  std::vector<std::pair<ZALMPXmlRawText, ZALMPXmlRawText>> m_attributes;  // name and value of each
  // Open elements by depth: the first `m_depth` hold, the rest are kept for their room.
  std::vector<Open> m_open;
  std::size_t m_depth = 0;
  // Per open element (by depth), its children made but not yet attached.
  std::vector<std::vector<Element<ZALMPDeserializer>>> m_made;
  const std::vector<std::string_view>* m_collections = nullptr;
  std::vector<Deferred>* m_deferred = nullptr;
  EntityShape* m_shape = nullptr;
};
