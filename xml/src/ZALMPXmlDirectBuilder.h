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
  // `text` is only read; its terminating NUL ends every scan.
  explicit DirectBuilder(const std::string& text);

  // Builds the document into `root`, a new element without content. False
  // when it gives up; `root` then holds part of the tree if `Started`.
  bool Build(ZALMPXmlReader& root);
  bool Started() const { return m_started; }

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
  bool EndElement();
  bool Close(Open& open);

  const char* m_p;
  const char* const m_end;
  Problem m_ignored;  // the direct reading gives up instead of failing
  ElementFiller m_filler;
  bool m_started = false;
  std::vector<std::pair<ZALMPXmlRawText, ZALMPXmlRawText>> m_attributes;  // name and value of each
  // Open elements by depth: the first `m_depth` hold, the rest are kept for their room.
  std::vector<Open> m_open;
  std::size_t m_depth = 0;
  // Per open element (by depth), its children made but not yet attached.
  std::vector<std::vector<Element<ZALMPDeserializer>>> m_made;
};
