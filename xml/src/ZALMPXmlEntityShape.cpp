#include "ZALMPXmlEntityShape.h"

#include "ZALMPXmlScan.h"

using ZALMPXmlScan::Is;
using ZALMPXmlScan::kSpace;
using ZALMPXmlScan::PastName;
using ZALMPXmlScan::SkipSpaces;

void ZALMPXmlReader::EntityShape::Start()
{
  m_nodes.clear();
  m_attributes.clear();
  m_open.clear();
  m_spoiled = false;
  m_usable = false;
}

void ZALMPXmlReader::EntityShape::Add(ZALMPXmlReader& element, std::string_view name, Kind kind)
{
  const auto at = static_cast<std::uint32_t>(m_nodes.size());
  m_nodes.push_back({&element, name, at + 1, static_cast<std::uint32_t>(m_attributes.size()), 0, kind});
  if (kind == Kind::Parent) m_open.push_back(at);
}

void ZALMPXmlReader::EntityShape::AddAttribute(std::string_view name)
{
  m_attributes.push_back({name, -1});
  ++m_nodes.back().attributeCount;
}

void ZALMPXmlReader::EntityShape::Finish()
{
  if (m_spoiled || !m_open.empty()) return;
  // Where each attribute stands once its element is complete.
  for (const Node& node : m_nodes)
    for (std::uint32_t k = 0; k < node.attributeCount; ++k) {
      Attribute& attribute = m_attributes[node.firstAttribute + k];
      attribute.place = node.element->FindAttributeUtf8(attribute.name);
      if (attribute.place < 0) return;  // an id that needed decoding
    }
  m_usable = true;
}

void ZALMPXmlReader::EntityShape::EndContent()
{
  if (m_open.empty()) {
    m_spoiled = true;
    return;
  }
  m_nodes[m_open.back()].end = static_cast<std::uint32_t>(m_nodes.size());
  m_open.pop_back();
}

bool ZALMPXmlReader::EntityShape::Refill(const char* p, const char* last, const char* end)
{
  if (!m_usable) return false;
  m_open.clear();
  const auto count = static_cast<std::uint32_t>(m_nodes.size());
  for (std::uint32_t at = 0; at < count; ++at) {
    if (at != 0) {
      if (!m_open.empty() && m_nodes[m_open.back()].end == at && !(p = CloseEnded(at, p, end))) return false;
      p = SkipSpaces(p, end);
    }
    const Node& node = m_nodes[at];
    if (*p != '<' || !(p = PastName(p + 1, end, node.name))) return false;
    if (node.kind == Kind::Leaf) {
      // As the builder takes a leaf at once: '>' right after the name, a
      // text that does not start with a space, and its end tag.
      const char* const text = p + 1;
      if (*p != '>' || Is(*text, kSpace) || *text == '<') return false;
      const char* const close = ZALMPXmlScan::PlainTextEnd(text, end);
      if (!close || close[1] != '/') return false;
      p = ZALMPXmlScan::PastEndTag(close + 2, end, node.name);
      if (!p || FAILED(node.element->SetValueUtf8({text, static_cast<std::size_t>(close - text)}))) return false;
      continue;
    }
    p = Attributes(node, p, end);
    if (!p) return false;
    p = SkipSpaces(p, end);
    if (node.kind == Kind::Closed) {
      if (p[0] != '/' || p[1] != '>') return false;
      p += 2;
      continue;
    }
    if (*p != '>') return false;
    ++p;
    node.element->RestartElementSequences();
    m_open.push_back(at);
  }
  p = CloseEnded(count, p, end);
  return p == last;
}

// Past the attributes of `node` at `p`, just after its tag's name, each
// given to its element; null when they differ from the recorded ones or a
// value needs decoding.
const char* ZALMPXmlReader::EntityShape::Attributes(const Node& node, const char* p, const char* end) const
{
  for (std::uint32_t k = 0; k < node.attributeCount; ++k) {
    const Attribute& attribute = m_attributes[node.firstAttribute + k];
    const std::size_t length = attribute.name.size();
    if (p[0] == ' ' && static_cast<std::size_t>(end - p) > length + 2 &&
        ZALMPXmlScan::SameBytes(p + 1, attribute.name.data(), length, end) && p[length + 1] == '=' &&
        p[length + 2] == '"') {
      p += length + 2;  // as most attributes stand: one space, the name, '=' and a double quote
    } else {
      if (!Is(*p, kSpace) || !(p = PastName(SkipSpaces(p, end), end, attribute.name))) return nullptr;
      p = SkipSpaces(p, end);
      if (*p != '=') return nullptr;
      p = SkipSpaces(p + 1, end);
    }
    const char quote = *p;
    if (quote != '"' && quote != '\'') return nullptr;
    ZALMPXmlRawText raw;
    const char* const close = ZALMPXmlScan::Value(p + 1, end, quote, raw);
    if (!close || raw.reference || raw.escape || raw.lessThan || FAILED(node.element->SetAttributeValueUtf8(attribute.place, raw.text)))
      return nullptr;
    p = close + 1;
  }
  return p;
}

// Past the end tags of the open Parent nodes whose content ends before node
// `next`, with the whitespace before each; null where another text stands.
const char* ZALMPXmlReader::EntityShape::CloseEnded(std::uint32_t next, const char* p, const char* end)
{
  while (!m_open.empty() && m_nodes[m_open.back()].end == next) {
    p = SkipSpaces(p, end);
    if (p[0] != '<' || p[1] != '/') return nullptr;
    p = ZALMPXmlScan::PastEndTag(p + 2, end, m_nodes[m_open.back()].name);
    if (!p) return nullptr;
    m_open.pop_back();
  }
  return p;
}
