#pragma once
#include <ZALMPXmlReader.h>

#include "ZALMPXmlRawText.h"

#include <ZALMPVersion.h>

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// What an element holds, from the texts of its tag and content, however the
// document was taken apart: the id, the attributes with the bookkeeping ones
// (version, empty text) and repeated names, and the texts with their
// references resolved and escapes decoded. Every step answers false with the
// problem set when it cannot be done.
class ZALMPXmlReader::ElementFiller {
public:
  // `base` is the start of the text the raw texts lie in, for the problems' offsets.
  ElementFiller(const char* base, Problem& problem) : m_base(base), m_problem(problem) {}

  // Sets the id of `element` and makes room for `count` attributes; `offset`
  // is where the element starts, named by a problem that has no better place.
  bool Start(ZALMPXmlReader& element, const ZALMPXmlRawText& tag, int count, std::wstring_view parentVersion,
             std::size_t offset);
  bool AddAttribute(ZALMPXmlReader& element, const ZALMPXmlRawText& name, const ZALMPXmlRawText& value);
  // After the attributes: the element's version, which its children inherit,
  // and whether it is marked as holding the empty text when it holds none.
  bool Finish(ZALMPXmlReader& element, std::wstring_view& version, bool& emptyText);

  // The element's one text.
  bool SetText(ZALMPXmlReader& element, const ZALMPXmlRawText& raw);
  // All of an element without attributes whose id and text need no decoding,
  // as Start, Finish and SetText make it. Inline: most elements are such.
  bool Leaf(ZALMPXmlReader& element, std::string_view id, std::string_view text, std::wstring_view parentVersion)
  {
    return (SUCCEEDED(element.SetLeafUtf8(id, text)) &&
            (IsNewest(parentVersion) || SUCCEEDED(element.SetVersion(parentVersion)))) ||
           OutOfMemory();
  }
  bool SetEmptyText(ZALMPXmlReader& element);
  // Mixed content: each piece joins `joined` resolved, in order, and the whole becomes the text.
  bool Join(std::string& joined, const ZALMPXmlRawText& piece);
  bool SetJoinedText(ZALMPXmlReader& element, std::string_view joined, std::size_t offset);

  bool OutOfMemory() { return Fail("out of memory", m_offset); }

private:
  // New elements carry the newest version already.
  static bool IsNewest(std::wstring_view version)
  {
    return version.data() == ZALMPVersion::kNewest.data() || version == ZALMPVersion::kNewest;
  }
  bool Fail(std::string message, std::size_t offset, char mark = 0, std::size_t ordinal = 0);
  bool Repeated(std::string_view name);
  std::size_t Offset(const char* p) const { return static_cast<std::size_t>(p - m_base); }
  bool Resolve(const ZALMPXmlRawText& raw, std::string_view& text);
  std::wstring_view KeepVersion(const std::wstring& text);

  const char* const m_base;
  Problem& m_problem;
  // Of the element being started.
  std::size_t m_offset = 0;
  int m_count = 0;
  std::wstring_view m_version;
  bool m_emptyText = false;
  std::vector<std::string_view> m_names;

  std::string m_resolved;
  // Versions outside the known ones, kept while children refer to them.
  std::deque<std::wstring> m_customVersions;
};
