#include "ZALMPXmlElementFiller.h"

#include "ZALMPXmlEscape.h"
#include "ZALMPXmlNames.h"

#include <ZALMPVersion.h>

#include <algorithm>

namespace {

// Up to this many attributes on an element, repeated names are looked for pair by pair.
constexpr int kFewAttributes = 16;

std::size_t Count(std::string_view text, char mark, std::size_t until)
{
  return static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(until), mark));
}

// Whether a text that references were resolved in may hold escapes.
bool Escaped(const ZALMPXmlRawText& raw, std::string_view text)
{
  return raw.reference ? ZALMPXmlEscape::HasEscapes(text) : raw.escape;
}

}  // namespace

bool ZALMPXmlReader::ElementFiller::Start(ZALMPXmlReader& element, const ZALMPXmlRawText& tag, int count,
                                          std::wstring_view parentVersion, std::size_t offset)
{
  m_offset = offset;
  m_count = count;
  m_version = parentVersion;
  m_emptyText = false;
  m_names.clear();
  if (FAILED(tag.escape ? element.SetId(ZALMPXmlEscape::Decode(tag.text, true)) : element.SetIdUtf8(tag.text)))
    return OutOfMemory();
  return count == 0 || SUCCEEDED(element.ReserveAttributes(count)) || OutOfMemory();
}

bool ZALMPXmlReader::ElementFiller::AddAttribute(ZALMPXmlReader& element, const ZALMPXmlRawText& name,
                                                 const ZALMPXmlRawText& raw)
{
  // XML allows each attribute name once on an element; long lists are checked at the end.
  if (m_count <= kFewAttributes)
    for (std::string_view earlier : m_names)
      if (earlier == name.text) return Repeated(name.text);
  m_names.push_back(name.text);
  if (raw.lessThan)
    return Fail("'<' in an attribute value", Offset(raw.text.data()), '<',
                Count(raw.text, '<', static_cast<std::size_t>(raw.lessThan - raw.text.data())));
  std::string_view value;
  if (!Resolve(raw, value)) return false;
  // Names with ':' (and a default namespace) are bookkeeping, never ids.
  if (name.colon || name.text == "xmlns") {
    if (name.text == ZALMPXmlNames::kVersion) m_version = KeepVersion(ZALMPXmlEscape::Decode(value, false));
    if (name.text == ZALMPXmlNames::kEmpty) m_emptyText = value == "true";
    return true;
  }
  const HRESULT status =
      name.escape || Escaped(raw, value)
          ? element.AddAttributeValue(ZALMPXmlEscape::Decode(name.text, true), ZALMPXmlEscape::Decode(value, false))
          : element.AddAttributeValueUtf8(name.text, value);
  return SUCCEEDED(status) || OutOfMemory();
}

bool ZALMPXmlReader::ElementFiller::Finish(ZALMPXmlReader& element, std::wstring_view& version, bool& emptyText)
{
  if (m_count > kFewAttributes) {
    std::sort(m_names.begin(), m_names.end());
    const auto twice = std::adjacent_find(m_names.begin(), m_names.end());
    // named where it is given the second time
    if (twice != m_names.end()) return Repeated(std::max(*twice, twice[1], [](std::string_view a, std::string_view b) {
                                                  return a.data() < b.data();
                                                }));
  }
  version = m_version;
  emptyText = m_emptyText;
  return IsNewest(version) || SUCCEEDED(element.SetVersion(version)) || OutOfMemory();
}

bool ZALMPXmlReader::ElementFiller::SetText(ZALMPXmlReader& element, const ZALMPXmlRawText& raw)
{
  std::string_view text;
  if (!Resolve(raw, text)) return false;
  const HRESULT status = Escaped(raw, text) ? element.SetValue(ZALMPXmlEscape::Decode(text, false))
                                            : element.SetValueUtf8(text);
  return SUCCEEDED(status) || OutOfMemory();
}

bool ZALMPXmlReader::ElementFiller::SetEmptyText(ZALMPXmlReader& element)
{
  return SUCCEEDED(element.SetValue(std::wstring_view())) || OutOfMemory();
}

bool ZALMPXmlReader::ElementFiller::Join(std::string& joined, const ZALMPXmlRawText& piece)
{
  std::string_view text;
  if (!Resolve(piece, text)) return false;
  joined += text;
  return true;
}

bool ZALMPXmlReader::ElementFiller::SetJoinedText(ZALMPXmlReader& element, std::string_view joined,
                                                  std::size_t offset)
{
  const HRESULT status = ZALMPXmlEscape::HasEscapes(joined) ? element.SetValue(ZALMPXmlEscape::Decode(joined, false))
                                                             : element.SetValueUtf8(joined);
  return SUCCEEDED(status) || Fail("out of memory", offset);
}

bool ZALMPXmlReader::ElementFiller::Fail(std::string message, std::size_t offset, char mark, std::size_t ordinal)
{
  m_problem = {std::move(message), offset, mark, ordinal};
  return false;
}

bool ZALMPXmlReader::ElementFiller::Repeated(std::string_view name)
{
  return Fail("attribute \"" + std::string(name) + "\" given twice", Offset(name.data()));
}

// The text of `raw` with its references resolved, viewing `raw` itself when it has none.
bool ZALMPXmlReader::ElementFiller::Resolve(const ZALMPXmlRawText& raw, std::string_view& text)
{
  text = raw.text;
  if (!raw.reference) return true;
  std::size_t bad = 0;
  if (!ZALMPXmlEscape::ResolveReferences(raw.text, m_resolved, bad))
    return Fail("bad entity or character reference", Offset(raw.text.data()), '&', Count(raw.text, '&', bad));
  text = m_resolved;
  return true;
}

std::wstring_view ZALMPXmlReader::ElementFiller::KeepVersion(const std::wstring& text)
{
  for (std::wstring_view known : ZALMPVersion::kAll)
    if (known == text) return known;
  return m_customVersions.emplace_back(text);
}
