#include <ZALMPXmlReader.h>

#include <ZALMPXmlCodec.h>

#include "ZALMPXmlDirectBuilder.h"
#include "ZALMPXmlElementFiller.h"
#include "ZALMPXmlEscape.h"
#include "ZALMPXmlRawText.h"

#include <ZALMPVersion.h>
#include <ZALUtf8.h>

#include <pugixml.hpp>

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

// A plain element keeps nothing beside what every element keeps.
static_assert(sizeof(ZALMPXmlReader) == sizeof(ZALMPDeserializer));

namespace {

// Entities are resolved here rather than by the parser, which would let an
// unknown one pass as text; the first PCDATA is kept in the element itself.
constexpr unsigned kParseFlags =
    pugi::parse_cdata | pugi::parse_wconv_attribute | pugi::parse_eol | pugi::parse_embed_pcdata;

using RawText = ZALMPXmlRawText;

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

}  // namespace

// Turns a parsed document into a tree, element by element, without recursion.
class ZALMPXmlReader::Builder {
public:
  Builder(const char* base, std::size_t length, Problem& problem)
      : m_base(base), m_end(base + length), m_problem(problem), m_filler(base, problem)
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
        if (current.pieces && !m_filler.SetJoinedText(*current.element, current.joined, Offset(current.node)))
          return false;
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

  bool OutOfMemory(const pugi::xml_node& node)
  {
    m_problem = {"out of memory", Offset(node)};
    return false;
  }

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

  // Id, attributes, version and the text kept in the node; not the children.
  bool Fill(ZALMPXmlReader& element, const pugi::xml_node& node, std::wstring_view parentVersion,
            std::wstring_view& version)
  {
    // One pass over the parser's attributes, then room for exactly that many.
    m_attributes.clear();
    for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute())
      m_attributes.push_back({attribute.name(), attribute.value()});
    const auto count = static_cast<int>(m_attributes.size());
    if (!m_filler.Start(element, ScanName(node.name()), count, parentVersion, Offset(node))) return false;
    for (const auto& [rawName, rawValue] : m_attributes)
      if (!m_filler.AddAttribute(element, ScanName(rawName), Scan(rawValue))) return false;
    bool emptyText = false;
    if (!m_filler.Finish(element, version, emptyText)) return false;
    if (*node.value()) return m_filler.SetText(element, Scan(node.value()));
    return !emptyText || m_filler.SetEmptyText(element);
  }

  void OpenElement(ZALMPXmlReader& element, const pugi::xml_node& node, std::wstring_view version)
  {
    m_open.push_back({node, node.first_child(), &element, version, false, {}});
    if (m_made.size() < m_open.size()) m_made.emplace_back();
  }

  bool AddPiece(Open& open, const pugi::xml_node& child, pugi::xml_node_type type)
  {
    if (!open.pieces) {
      if (!m_filler.Join(open.joined, Scan(open.node.value()))) return false;
      open.pieces = true;
    }
    if (type == pugi::node_pcdata) return m_filler.Join(open.joined, Scan(child.value()));
    open.joined += child.value();
    return true;
  }

  const char* const m_base;
  const char* const m_end;
  Problem& m_problem;
  ElementFiller m_filler;
  std::vector<std::pair<const char*, const char*>> m_attributes;  // name and value of each
  std::vector<Open> m_open;
  // Per open element (by depth), its children made but not yet attached.
  std::vector<std::vector<Element<ZALMPDeserializer>>> m_made;
};

HRESULT ZALMPXmlReader::Load(const std::wstring& path)
{
  return ZALMPXmlCodec::Load(std::filesystem::path(ZALWideToUtf8(path)), *this).status;
}

bool ZALMPXmlReader::Build(std::string& buffer, ZALMPXmlReader& root, Problem& problem)
{
  DirectBuilder direct(buffer);
  if (direct.Build(root)) return true;
  if (direct.Started()) {
    // The parser reads the document again from the start, into an empty root;
    // what was built so far leaves with the blank element.
    const Element<ZALMPXmlReader> blank = root.MakeElement<ZALMPXmlReader>();
    if (FAILED(root.SwapContent(*blank))) {
      problem = {"out of memory", 0};
      return false;
    }
  }
  return BuildParsed(buffer, root, problem);
}

bool ZALMPXmlReader::BuildParsed(std::string& buffer, ZALMPXmlReader& root, Problem& problem)
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
