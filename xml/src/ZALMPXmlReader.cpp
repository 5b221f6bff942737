#include <ZALMPXmlReader.h>

#include <ZALMPXmlCodec.h>

#include "ZALMPXmlEscape.h"
#include "ZALMPXmlNames.h"

#include <ZALMPVersion.h>
#include <ZALUtf8.h>

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <string_view>
#include <vector>

namespace {

// Entities are resolved here rather than by the parser, which would let an
// unknown one pass as text; the first PCDATA is kept in the element itself.
constexpr unsigned kParseFlags =
    pugi::parse_cdata | pugi::parse_wconv_attribute | pugi::parse_eol | pugi::parse_embed_pcdata;

// One pass over a raw text: its extent and what reading it needs.
struct RawText {
  std::string_view text;
  bool reference = false;  // holds '&'
  bool escape = false;     // holds "_x"
  bool colon = false;      // holds ':'
  const char* lessThan = nullptr;
};

// Characters that matter to Scan; everything else is 0, so plain text runs through.
constexpr auto kMarks = [] {
  std::array<unsigned char, 256> marks{};
  marks['&'] = marks['_'] = marks[':'] = marks['<'] = 1;
  return marks;
}();

// Reads one byte after another; for texts that may end anywhere.
RawText ScanBytes(const char* raw)
{
  RawText scanned;
  const char* p = raw;
  for (;; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (!c) break;
    if (!kMarks[c]) continue;
    if (c == '&') scanned.reference = true;
    if (c == '_' && p[1] == 'x') scanned.escape = true;
    if (c == ':') scanned.colon = true;
    if (c == '<' && !scanned.lessThan) scanned.lessThan = p;
  }
  scanned.text = std::string_view(raw, static_cast<std::size_t>(p - raw));
  return scanned;
}

// Working space after the document, so that a text in it can be read eight
// bytes at a time without leaving the buffer.
constexpr std::size_t kPadding = 8;

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighs = 0x8080808080808080ull;

// The high bit of each zero byte of `word` (and perhaps of bytes above one).
constexpr std::uint64_t ZeroBytes(std::uint64_t word)
{
  return (word - kOnes) & ~word & kHighs;
}

constexpr std::uint64_t BytesEqual(std::uint64_t word, unsigned char c)
{
  return ZeroBytes(word ^ (kOnes * c));
}

// Notes the marks among the `count` bytes at `p`.
void NoteMarks(const char* p, int count, RawText& scanned)
{
  for (int i = 0; i < count; ++i) {
    const auto c = static_cast<unsigned char>(p[i]);
    if (c == '&') scanned.reference = true;
    if (c == '_' && p[i + 1] == 'x') scanned.escape = true;
    if (c == ':') scanned.colon = true;
    if (c == '<' && !scanned.lessThan) scanned.lessThan = p + i;
  }
}

// As ScanBytes, eight bytes at a time, for a text inside the padded buffer.
// Names can hold "_x" and ':'; other texts "_x", '&' and '<'.
template <bool kName>
RawText ScanWords(const char* raw)
{
  RawText scanned;
  const char* p = raw;
  while (true) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const std::uint64_t zero = ZeroBytes(word);
    std::uint64_t marks = kName ? BytesEqual(word, '_') | BytesEqual(word, ':')
                                : BytesEqual(word, '_') | BytesEqual(word, '&') | BytesEqual(word, '<');
    if (zero) {
      // The lowest flagged byte is the text's end: bytes are flagged wrongly
      // only above a true one, so marks below the end are true ones.
      const int end = std::countr_zero(zero) / 8;
      marks &= end == 0 ? 0 : ~0ull >> (64 - 8 * end);
      if (marks) NoteMarks(p, end, scanned);
      scanned.text = std::string_view(raw, static_cast<std::size_t>(p - raw) + static_cast<std::size_t>(end));
      return scanned;
    }
    if (marks) NoteMarks(p, 8, scanned);
    p += 8;
  }
}

// Up to this many attributes on an element, repeated names are looked for pair by pair.
constexpr int kFewAttributes = 16;

std::size_t Count(std::string_view text, char mark, std::size_t until)
{
  return static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(until), mark));
}

}  // namespace

// Turns a parsed document into a tree, element by element, without recursion.
class ZALMPXmlReader::Builder {
public:
  Builder(const char* base, std::size_t length, Problem& problem)
      : m_base(base), m_end(base + length), m_problem(problem)
  {
  }

  // Visits the elements in document order, so that the text and the parser's
  // nodes are read front to back. An element's children are attached all at
  // once when it is finished, so that each list gets exactly the room it needs.
  bool Build(pugi::xml_node top, ZALMPXmlReader& root)
  {
    std::wstring_view rootVersion;
    if (!Fill(root, top, ZALMPVersion::kNewest, rootVersion)) return false;
    OpenElement(root, top, rootVersion);
    while (!m_open.empty()) {
      Open& current = m_open.back();
      if (!current.next) {
        // even an empty CDATA section makes a text: one that is empty
        if (current.pieces && FAILED(SetText(*current.element, current.joined, ZALMPXmlEscape::HasEscapes(current.joined))))
          return OutOfMemory(current.node);
        if (FAILED(current.element->AddElements(m_made[m_open.size() - 1]))) return OutOfMemory(current.node);
        // The parser's nodes of a finished element are of no further use;
        // giving them back lets the tree grow into their memory.
        const pugi::xml_node done = current.node;
        m_open.pop_back();
        if (!m_open.empty()) m_open.back().node.remove_child(done);
        continue;
      }
      const pugi::xml_node child = current.next;
      current.next = child.next_sibling();
      const pugi::xml_node_type type = child.type();
      if (type == pugi::node_element) {
        Element<ZALMPXmlReader> made = current.element->MakeElement<ZALMPXmlReader>();
        std::wstring_view version;
        if (!Fill(*made, child, current.version, version)) return false;
        ZALMPXmlReader* const added = made.get();
        m_made[m_open.size() - 1].push_back(std::move(made));
        if (child.first_child()) OpenElement(*added, child, version);
      } else if (type == pugi::node_pcdata || type == pugi::node_cdata) {
        // Further text beside child elements (mixed content) joins the element's text, in order.
        if (!AddPiece(current, child, type)) return false;
      }
    }
    return true;
  }

private:
  // An element whose children are being added.
  struct Open {
    pugi::xml_node node;
    pugi::xml_node next;  // the next child node to visit
    ZALMPXmlReader* element;
    std::wstring_view version;
    bool pieces;          // its text comes in several pieces, joined in `joined`
    std::string joined;
  };

  bool Fail(std::string message, std::size_t offset, char mark = 0, std::size_t ordinal = 0)
  {
    m_problem = {std::move(message), offset, mark, ordinal};
    return false;
  }
  bool OutOfMemory(const pugi::xml_node& node) { return Fail("out of memory", Offset(node)); }
  bool Repeated(const char* name) { return Fail("attribute \"" + std::string(name) + "\" given twice", Offset(name)); }
  std::size_t Offset(const char* p) const { return static_cast<std::size_t>(p - m_base); }

  // Texts of the document lie in the padded buffer; anything else (the
  // parser's own empty text) is read byte by byte.
  template <bool kName = false>
  RawText Scan(const char* raw) const
  {
    return std::less_equal<const char*>()(m_base, raw) && std::less<const char*>()(raw, m_end) ? ScanWords<kName>(raw)
                                                                                            : ScanBytes(raw);
  }
  RawText ScanName(const char* raw) const { return Scan<true>(raw); }
  static std::size_t Offset(const pugi::xml_node& node) { return static_cast<std::size_t>(node.offset_debug()); }

  // The text of `raw` with its references resolved, viewing `raw` itself when it has none.
  bool Resolve(const RawText& raw, std::string_view& text)
  {
    text = raw.text;
    if (!raw.reference) return true;
    std::size_t bad = 0;
    if (!ZALMPXmlEscape::ResolveReferences(raw.text, m_resolved, bad))
      return Fail("bad entity or character reference", Offset(raw.text.data()), '&', Count(raw.text, '&', bad));
    text = m_resolved;
    return true;
  }

  std::wstring_view KeepVersion(const std::wstring& text)
  {
    for (std::wstring_view known : ZALMPVersion::kAll)
      if (known == text) return known;
    return m_customVersions.emplace_back(text);
  }

  static HRESULT SetText(ZALMPXmlReader& element, std::string_view text, bool escaped)
  {
    return escaped ? element.SetValue(ZALMPXmlEscape::Decode(text, false)) : element.SetValueUtf8(text);
  }

  // Whether a text that references were resolved in may hold escapes.
  static bool Escaped(const RawText& raw, std::string_view text)
  {
    return raw.reference ? ZALMPXmlEscape::HasEscapes(text) : raw.escape;
  }

  // Id, attributes, version and the text kept in the node; not the children.
  bool Fill(ZALMPXmlReader& element, const pugi::xml_node& node, std::wstring_view parentVersion,
            std::wstring_view& version)
  {
    const RawText tag = ScanName(node.name());
    if (FAILED(tag.escape ? element.SetId(ZALMPXmlEscape::Decode(tag.text, true)) : element.SetIdUtf8(tag.text)))
      return OutOfMemory(node);

    // One pass over the parser's attributes, then room for exactly that many.
    m_attributes.clear();
    for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute())
      m_attributes.push_back({attribute.name(), attribute.value()});
    const auto count = static_cast<int>(m_attributes.size());
    if (count != 0 && FAILED(element.ReserveAttributes(count))) return OutOfMemory(node);

    version = parentVersion;
    bool emptyText = false;
    m_names.clear();
    for (const auto& [rawName, rawValue] : m_attributes) {
      const RawText name = ScanName(rawName);
      // XML allows each attribute name once on an element; long lists are checked below.
      if (count <= kFewAttributes)
        for (std::string_view earlier : m_names)
          if (earlier == name.text) return Repeated(name.text.data());
      m_names.push_back(name.text);
      const RawText raw = Scan(rawValue);
      if (raw.lessThan)
        return Fail("'<' in an attribute value", Offset(raw.text.data()), '<',
                    Count(raw.text, '<', static_cast<std::size_t>(raw.lessThan - raw.text.data())));
      std::string_view value;
      if (!Resolve(raw, value)) return false;
      // Names with ':' (and a default namespace) are bookkeeping, never ids.
      if (name.colon || name.text == "xmlns") {
        if (name.text == ZALMPXmlNames::kVersion) version = KeepVersion(ZALMPXmlEscape::Decode(value, false));
        if (name.text == ZALMPXmlNames::kEmpty) emptyText = value == "true";
        continue;
      }
      const HRESULT status =
          name.escape || Escaped(raw, value)
              ? element.AddAttributeValue(ZALMPXmlEscape::Decode(name.text, true), ZALMPXmlEscape::Decode(value, false))
              : element.AddAttributeValueUtf8(name.text, value);
      if (FAILED(status)) return OutOfMemory(node);
    }
    if (count > kFewAttributes) {
      std::sort(m_names.begin(), m_names.end());
      const auto twice = std::adjacent_find(m_names.begin(), m_names.end());
      if (twice != m_names.end()) return Repeated(std::max(twice->data(), twice[1].data()));
    }
    // New elements carry the newest version already.
    const bool newest = version.data() == ZALMPVersion::kNewest.data() || version == ZALMPVersion::kNewest;
    if (!newest && FAILED(element.SetVersion(version))) return OutOfMemory(node);

    HRESULT status = S_OK;
    if (*node.value()) {
      const RawText raw = Scan(node.value());
      std::string_view text;
      if (!Resolve(raw, text)) return false;
      status = SetText(element, text, Escaped(raw, text));
    } else if (emptyText) {
      status = element.SetValue(std::wstring_view());
    }
    return SUCCEEDED(status) || OutOfMemory(node);
  }

  void OpenElement(ZALMPXmlReader& element, const pugi::xml_node& node, std::wstring_view version)
  {
    m_open.push_back({node, node.first_child(), &element, version, false, {}});
    if (m_made.size() < m_open.size()) m_made.emplace_back();
  }

  bool AddPiece(Open& open, const pugi::xml_node& child, pugi::xml_node_type type)
  {
    if (!open.pieces) {
      std::string_view first;
      if (!Resolve(Scan(open.node.value()), first)) return false;
      open.joined.assign(first);
      open.pieces = true;
    }
    std::string_view piece = child.value();
    if (type == pugi::node_pcdata && !Resolve(Scan(child.value()), piece)) return false;
    open.joined += piece;
    return true;
  }

  const char* const m_base;
  const char* const m_end;
  Problem& m_problem;
  std::string m_resolved;
  std::vector<std::string_view> m_names;
  std::vector<std::pair<const char*, const char*>> m_attributes;  // name and value of each
  std::vector<Open> m_open;
  // Per open element (by depth), its children made but not yet attached.
  std::vector<std::vector<Element<ZALMPDeserializer>>> m_made;
  // Versions outside the known ones, kept while children refer to them.
  std::deque<std::wstring> m_customVersions;
};

HRESULT ZALMPXmlReader::Load(const std::wstring& path)
{
  return ZALMPXmlCodec::Load(std::filesystem::path(ZALWideToUtf8(path)), *this).status;
}

bool ZALMPXmlReader::Build(std::string& buffer, ZALMPXmlReader& root, Problem& problem)
{
  const std::size_t length = buffer.size();
  buffer.append(kPadding, '\0');
  pugi::xml_document document;
  const pugi::xml_parse_result parsed =
      document.load_buffer_inplace(buffer.data(), length, kParseFlags, pugi::encoding_utf8);
  if (!parsed) {
    problem = {parsed.description(), static_cast<std::size_t>(parsed.offset)};
    return false;
  }

  pugi::xml_node top;
  for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
    if (node.type() != pugi::node_element) continue;
    if (top) {
      problem = {"more than one root element", static_cast<std::size_t>(node.offset_debug())};
      return false;
    }
    top = node;
  }
  if (!top) {
    problem = {"no root element", 0};
    return false;
  }
  return Builder(buffer.data(), length, problem).Build(top, root);
}
