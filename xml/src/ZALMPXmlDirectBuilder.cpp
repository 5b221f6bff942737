#include "ZALMPXmlDirectBuilder.h"

#include "ZALMPXmlEntityShape.h"
#include "ZALMPXmlScan.h"

#include <ZALMPVersion.h>

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using ZALMPXmlScan::Is;
using ZALMPXmlScan::kNameChar;
using ZALMPXmlScan::kNameMark;
using ZALMPXmlScan::kNameStart;
using ZALMPXmlScan::kSpace;
using ZALMPXmlScan::kTextStop;
using ZALMPXmlScan::kClasses;
using ZALMPXmlScan::PastEndTag;

// The first "</" followed by `first` or "<!" from `p` on, or `end`; sixteen
// bytes at a time where the processor offers it, since contents are skipped
// whole and most of their end tags are not the one looked for.
const char* FindEndOrMarkup(const char* p, const char* end, char first)
{
#if defined(__SSE2__)
  const __m128i lessThan = _mm_set1_epi8('<');
  const __m128i slash = _mm_set1_epi8('/');
  const __m128i bang = _mm_set1_epi8('!');
  const __m128i initial = _mm_set1_epi8(first);
  for (; end - p > 17; p += 16) {
    const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
    const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2));
    const __m128i endTag = _mm_and_si128(_mm_cmpeq_epi8(next, slash), _mm_cmpeq_epi8(after, initial));
    const __m128i marks = _mm_and_si128(_mm_cmpeq_epi8(here, lessThan), _mm_or_si128(endTag, _mm_cmpeq_epi8(next, bang)));
    if (const int found = _mm_movemask_epi8(marks)) return p + std::countr_zero(static_cast<unsigned>(found));
  }
#endif
  // The text's NUL stands at `end`, so p[2] may be read.
  for (; end - p > 1; ++p)
    if (p[0] == '<' && ((p[1] == '/' && p[2] == first) || p[1] == '!')) return p;
  return end;
}

}  // namespace

ZALMPXmlReader::DirectBuilder::DirectBuilder(std::string_view text)
    : m_begin(text.data()),
      m_p(text.data()),
      m_end(text.data() + text.size()),
      m_rootVersion(ZALMPVersion::kNewest),
      m_filler(text.data(), m_ignored)
{
}

void ZALMPXmlReader::DirectBuilder::DeferEntities(const std::vector<std::string_view>& collections,
                                                  std::vector<Deferred>& deferred)
{
  m_collections = &collections;
  m_deferred = &deferred;
}

bool ZALMPXmlReader::DirectBuilder::Build(ZALMPXmlReader& root)
{
  constexpr std::string_view kDeclaration = "<?xml";
  if (std::string_view(m_p, static_cast<std::size_t>(m_end - m_p)).substr(0, kDeclaration.size()) == kDeclaration &&
      (Is(m_p[kDeclaration.size()], kSpace) || m_p[kDeclaration.size()] == '?') && !SkipPast("?>"))
    return false;
  if (!SkipMisc() || m_p[0] != '<' || !Is(m_p[1], kNameStart)) return false;
  ++m_p;
  if (!StartElement(root)) return false;
  while (m_depth != 0)
    if (!Content()) return false;
  return SkipMisc() && m_p == m_end;
}

bool ZALMPXmlReader::DirectBuilder::BuildElement(ZALMPXmlReader& element, const Deferred& deferred,
                                                 std::wstring_view parentVersion)
{
  m_p = m_begin + deferred.begin;
  m_depth = 0;
  m_rootVersion = parentVersion;
  if (m_shape) m_shape->Start();
  if (m_p[0] != '<' || !Is(m_p[1], kNameStart)) return false;
  ++m_p;
  if (!StartElement(element)) return false;
  while (m_depth != 0)
    if (!Content()) return false;
  if (m_p != m_begin + deferred.end) return false;
  if (m_shape) m_shape->Finish();
  return true;
}

// Whitespace and comments, as they may stand around the root element.
bool ZALMPXmlReader::DirectBuilder::SkipMisc()
{
  while (true) {
    SkipSpaces();
    if (std::strncmp(m_p, "<!--", 4) != 0) return true;
    if (!SkipPast("-->")) return false;
  }
}

// From the markup at the cursor to just after the first `end` beyond its
// first four characters; false when there is none before the text's end.
bool ZALMPXmlReader::DirectBuilder::SkipPast(std::string_view end)
{
  const std::string_view rest(m_p + 4, static_cast<std::size_t>(m_end - m_p) - 4);
  const std::size_t found = rest.find(end);
  if (found == std::string_view::npos || std::memchr(rest.data(), '\0', found)) return false;
  m_p = rest.data() + found + end.size();
  return true;
}

void ZALMPXmlReader::DirectBuilder::SkipSpaces()
{
  m_p = ZALMPXmlScan::SkipSpaces(m_p, m_end);
}

[[gnu::always_inline]] inline ZALMPXmlRawText ZALMPXmlReader::DirectBuilder::Name()
{
  ZALMPXmlRawText raw;
  const char* const start = m_p;
  const char* p = start;
  std::uint8_t kinds = 0;
  for (std::uint8_t kind; (kind = kClasses[static_cast<unsigned char>(*p)]) & kNameChar; ++p) kinds |= kind;
  if (kinds & kNameMark)
    for (const char* q = start; q != p; ++q) {
      raw.colon = raw.colon || *q == ':';
      raw.escape = raw.escape || (*q == '_' && q[1] == 'x');
    }
  raw.text = std::string_view(start, static_cast<std::size_t>(p - start));
  m_p = p;
  return raw;
}

// The value after its opening quote, up to the closing one, which the cursor then follows.
bool ZALMPXmlReader::DirectBuilder::Value(char quote, ZALMPXmlRawText& raw)
{
  const char* const close = ZALMPXmlScan::Value(m_p, m_end, quote, raw);
  if (!close) return false;
  m_p = close + 1;
  return true;
}

// What follows in the innermost open element: a text, a child, a comment or its end.
bool ZALMPXmlReader::DirectBuilder::Content()
{
  const char* const mark = m_p;
  SkipSpaces();
  // The parser drops a text of whitespace alone.
  if (*m_p != '<') {
    m_p = mark;
    if (!Text()) return false;
  }
  ++m_p;
  if (Is(*m_p, kNameStart)) {
    m_open[m_depth - 1].hasChild = true;
    return StartElement(*m_open[m_depth - 1].element);
  }
  if (*m_p == '/') {
    ++m_p;
    return EndElement();
  }
  if (m_shape) m_shape->Spoil();
  return std::strncmp(m_p, "!--", 3) == 0 && (--m_p, SkipPast("-->"));
}

bool ZALMPXmlReader::DirectBuilder::Text()
{
  ZALMPXmlRawText raw;
  const char* const start = m_p;
  const char* p = start;
  for (;; ++p) {
    p = ZALMPXmlScan::Find(p, m_end, kTextStop);
    const char c = *p;
    if (c == '<') break;
    if (c == '&') {
      raw.reference = true;
    } else if (c == '_') {
      raw.escape = raw.escape || p[1] == 'x';
    } else {
      return false;  // a carriage return, or the end inside an element
    }
  }
  m_p = p;
  raw.text = std::string_view(start, static_cast<std::size_t>(m_p - start));
  // The first text before any child is kept in the element; any other joins it.
  Open& open = m_open[m_depth - 1];
  if (!open.hasChild && !open.hasFirst) {
    open.first = raw;
    open.hasFirst = true;
    return true;
  }
  if (!open.pieces) {
    open.joined.clear();
    if (open.hasFirst && !m_filler.Join(open.joined, open.first)) return false;
    open.pieces = true;
  }
  return m_filler.Join(open.joined, raw);
}

// The element whose name starts at the cursor: the root when nothing is open, else a child of `parent`.
bool ZALMPXmlReader::DirectBuilder::StartElement(ZALMPXmlReader& parent)
{
  const char* const tagStart = m_p - 1;
  const ZALMPXmlRawText tag = Name();
  bool taken = false;
  if (!TakeLeaf(parent, tag, taken)) return false;
  if (taken) return true;
  m_attributes.clear();
  bool closed = false;
  while (true) {
    if (*m_p == '>') {
      ++m_p;
      break;
    }
    if (*m_p == '/') {
      if (m_p[1] != '>') return false;
      m_p += 2;
      closed = true;
      break;
    }
    if (!Is(*m_p, kSpace)) return false;
    SkipSpaces();
    if (*m_p == '>' || *m_p == '/') continue;
    if (!Is(*m_p, kNameStart)) return false;
    const ZALMPXmlRawText name = Name();
    SkipSpaces();
    if (*m_p != '=') return false;
    ++m_p;
    SkipSpaces();
    const char quote = *m_p;
    if (quote != '"' && quote != '\'') return false;
    ++m_p;
    ZALMPXmlRawText value;
    if (!Value(quote, value)) return false;
    m_attributes.emplace_back(name, value);
  }

  // An entity element to defer is built again with its content; until then
  // the world's frame needs its identifier alone (and what sets its version).
  const bool deferred = m_depth != 0 && m_open[m_depth - 1].defersChildren;
  if (deferred)
    std::erase_if(m_attributes, [](const auto& attribute) {
      const ZALMPXmlRawText& name = attribute.first;
      return !name.colon && !name.escape && name.text != "id" && name.text != "xmlns";
    });

  ZALMPXmlReader* element = &parent;
  std::wstring_view parentVersion = m_rootVersion;
  if (m_depth != 0) {
    parentVersion = m_open[m_depth - 1].version;
    Element<ZALMPXmlReader> made = parent.MakeElement<ZALMPXmlReader>();
    element = made.get();
    m_made[m_depth - 1].push_back(std::move(made));
  }
  m_started = true;
  if (m_shape) RecordStart(*element, tag.text, closed);
  if (!m_filler.Start(*element, tag, static_cast<int>(m_attributes.size()), parentVersion, 0)) return false;
  for (const auto& [name, value] : m_attributes)
    if (!m_filler.AddAttribute(*element, name, value)) return false;
  std::wstring_view version;
  bool emptyText = false;
  if (!m_filler.Finish(*element, version, emptyText)) return false;
  if (closed && emptyText && !m_filler.SetEmptyText(*element)) return false;
  if (deferred) {
    if (!closed && !SkipContent(tag.text)) return false;
    m_deferred->push_back({element, static_cast<std::size_t>(tagStart - m_begin), static_cast<std::size_t>(m_p - m_begin)});
    return true;
  }
  if (closed) return true;

  if (m_open.size() == m_depth) m_open.emplace_back();
  if (m_made.size() == m_depth) m_made.emplace_back();
  Open& open = m_open[m_depth++];
  open.element = element;
  open.name = tag.text;
  open.version = version;
  open.hasFirst = open.hasChild = open.pieces = false;
  open.emptyText = emptyText;
  open.defersChildren = m_deferred && m_depth == 3 && DefersChildren(tag.text);
  return true;
}

// The commonest element, such as <Vx>0</Vx>, built at once when the cursor
// follows its name: no attributes, a text of its own that needs no decoding
// and does not start with a space, then its end tag. Anything else is left
// to the general steps, with the cursor where it was.
bool ZALMPXmlReader::DirectBuilder::TakeLeaf(ZALMPXmlReader& parent, const ZALMPXmlRawText& tag, bool& taken)
{
  if (m_depth == 0 || *m_p != '>' || tag.escape || m_open[m_depth - 1].defersChildren) return true;
  const char* const text = m_p + 1;
  if (Is(*text, kSpace) || *text == '<') return true;
  // A reference, an escape, or what the direct reading gives up on is left to the general steps.
  const char* const p = ZALMPXmlScan::PlainTextEnd(text, m_end);
  if (!p) return true;
  const char* const end = p[1] == '/' ? PastEndTag(p + 2, m_end, tag.text) : nullptr;
  if (!end) return true;

  Element<ZALMPXmlReader> made = parent.MakeElement<ZALMPXmlReader>();
  const std::string_view content(text, static_cast<std::size_t>(p - text));
  if (!m_filler.Leaf(*made, tag.text, content, m_open[m_depth - 1].version)) return false;
  if (m_shape) m_shape->Add(*made, tag.text, EntityShape::Kind::Leaf);
  m_made[m_depth - 1].push_back(std::move(made));
  m_p = end;
  taken = true;
  return true;
}

// Whether the children of the element `name`, just opened at depth 2, are entity elements to defer.
bool ZALMPXmlReader::DirectBuilder::DefersChildren(std::string_view name) const
{
  return m_open[0].name == "ZALMPModel" && m_open[1].name == "World" &&
         std::find(m_collections->begin(), m_collections->end(), name) != m_collections->end();
}

// Past the content and the end tag of the element `name`, whose start tag the
// cursor follows, without building anything: the first end tag of that name
// beyond it, outside comments. Only what the direct reading gives up on
// anyway is looked for; the rest is checked when the content is built, which
// also fails, so that the whole tree is read, when an inner element of the
// same name ends first.
bool ZALMPXmlReader::DirectBuilder::SkipContent(std::string_view name)
{
  const char* p = m_p;
  while (true) {
    p = FindEndOrMarkup(p, m_end, name.front());
    if (p == m_end) return false;
    if (p[1] == '!') {
      m_p = p;
      if (std::strncmp(p + 1, "!--", 3) != 0 || !SkipPast("-->")) return false;
      p = m_p;
      continue;
    }
    p += 2;
    if (const char* const end = PastEndTag(p, m_end, name)) {
      m_p = end;
      return true;
    }
  }
}

// After "</": the end tag of the innermost open element.
bool ZALMPXmlReader::DirectBuilder::EndElement()
{
  Open& open = m_open[m_depth - 1];
  return EndTag(open.name) && Close(open);
}

// After "</": the name `name`, spaces and '>'.
bool ZALMPXmlReader::DirectBuilder::EndTag(std::string_view name)
{
  const char* const end = PastEndTag(m_p, m_end, name);
  if (!end) return false;
  m_p = end;
  return true;
}

// A general element and its attributes, into the shape being recorded.
void ZALMPXmlReader::DirectBuilder::RecordStart(ZALMPXmlReader& element, std::string_view name, bool closed)
{
  m_shape->Add(element, name, closed ? EntityShape::Kind::Closed : EntityShape::Kind::Parent);
  for (const auto& [attribute, value] : m_attributes) {
    // The ones that set the version or the empty text are not refilled.
    if (attribute.colon || attribute.text == "xmlns") m_shape->Spoil();
    m_shape->AddAttribute(attribute.text);
  }
}

bool ZALMPXmlReader::DirectBuilder::Close(Open& open)
{
  if (m_shape) {
    // A refill gives whitespace between children, and no text, alone.
    if (open.pieces || open.hasFirst || open.emptyText) m_shape->Spoil();
    m_shape->EndContent();
  }
  const bool text = open.pieces     ? m_filler.SetJoinedText(*open.element, open.joined, 0)
                    : open.hasFirst ? m_filler.SetText(*open.element, open.first)
                                    : !open.emptyText || m_filler.SetEmptyText(*open.element);
  std::vector<Element<ZALMPDeserializer>>& children = m_made[m_depth - 1];
  if (!text || (!children.empty() && FAILED(open.element->AddElements(children)))) return false;
  --m_depth;
  return true;
}
