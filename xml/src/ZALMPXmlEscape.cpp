#include "ZALMPXmlEscape.h"

#include <ZALMPCompactText.h>

#include <array>
#include <charconv>
#include <cstring>

namespace {

void AppendEscape(ZALMPXmlOutput& out, std::uint32_t unit)
{
  char digits[8];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, unit, 16);
  (void)error;
  out.Append("_x");
  for (const char* p = digits; p != end; ++p) out.Append(static_cast<char>(*p >= 'a' ? *p - 'a' + 'A' : *p));
  out.Append('_');
}

constexpr bool IsAsciiLetter(char c)
{
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr bool IsPlainAsciiNameChar(char c)
{
  return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
}

using ByteTable = std::array<bool, 256>;

// Without '_', which is plain only when no 'x' follows it.
constexpr ByteTable kPlainNameByte = [] {
  ByteTable table{};
  for (std::size_t c = 0; c < table.size(); ++c) table[c] = IsPlainAsciiNameChar(static_cast<char>(c)) && c != '_';
  return table;
}();

// The bytes of a value that may need more than a copy: markup, control
// characters, '_' (of a literal "_x") and the bytes of non-ASCII units.
constexpr ByteTable AttentionTable(bool inAttribute)
{
  ByteTable table{};
  for (std::size_t c = 0; c < table.size(); ++c)
    table[c] = c < 0x20 || c >= 0x80 || c == '&' || c == '<' || c == '>' || c == '_' || (inAttribute && c == '"');
  return table;
}
constexpr ByteTable kAttentionInAttribute = AttentionTable(true);
constexpr ByteTable kAttentionInContent = AttentionTable(false);

constexpr std::string_view kSpaceReference = "&#32;";

bool NeedsAttention(const ByteTable& table, char c)
{
  return table[static_cast<unsigned char>(c)];
}

// Whether any of the eight bytes of `word` may need attention in a value:
// the common run of plain text is passed over a word at a time. It may say
// yes for a '"' in element content; the byte table then decides.
bool WordNeedsAttention(std::uint64_t word)
{
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHigh = 0x8080808080808080;
  // Nonzero when some byte of `v` is zero (exact for "some", not for "which").
  const auto hasZero = [](std::uint64_t v) { return (v - kOnes) & ~v & kHigh; };
  const std::uint64_t below = (word - kOnes * 0x20) & ~word & kHigh;  // controls
  return ((word & kHigh) | below | hasZero((word | kOnes * 0x02) ^ (kOnes * '>')) |  // '<' and '>'
          hasZero((word | kOnes * 0x04) ^ (kOnes * '&')) |                          // '"' and '&'
          hasZero(word ^ (kOnes * '_'))) != 0;
}

// Copies `text` with the bytes that `attention` marks escaped; the bytes between
// are appended a run at a time.
void AppendContent(ZALMPXmlOutput& out, std::string_view text, const ByteTable& attention)
{
  const std::size_t n = text.size();
  std::size_t run = 0;  // start of the bytes still to copy as they are
  std::size_t pos = 0;
  while (true) {
    for (std::uint64_t word; pos + sizeof word <= n; pos += sizeof word) {
      std::memcpy(&word, text.data() + pos, sizeof word);
      if (WordNeedsAttention(word)) break;
    }
    // The last bytes: the last word again, overlapping the ones before.
    if (pos + 8 > n && n >= 8 && pos < n) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + n - sizeof word, sizeof word);
      if (!WordNeedsAttention(word)) pos = n;
    }
    while (pos < n && !NeedsAttention(attention, text[pos])) ++pos;
    if (pos == n) break;
    const std::size_t start = pos;
    const auto c = static_cast<unsigned char>(text[pos]);
    std::uint32_t unit = c;
    bool escape = false;
    std::string_view replacement;
    if (c >= 0x80) {
      unit = ZALMPCompactText::NextUnit(text, pos);
      escape = !ZALMPXmlEscape::IsXmlChar(unit);
    } else {
      ++pos;
      switch (c) {
      case '&': replacement = "&amp;"; break;
      case '<': replacement = "&lt;"; break;
      case '>': replacement = "&gt;"; break;
      case '"': replacement = "&quot;"; break;
      case '\t': replacement = "&#9;"; break;
      case '\n': replacement = "&#10;"; break;
      case '\r': replacement = "&#13;"; break;
      case '_': replacement = pos < n && text[pos] == 'x' ? "_x5F_" : ""; break;
      default: escape = c < 0x20; break;
      }
    }
    if (!escape && replacement.empty()) continue;
    out.Append(text.substr(run, start - run));
    if (escape)
      AppendEscape(out, unit);
    else
      out.Append(replacement);
    run = pos;
  }
  out.Append(text.substr(run));
}

// XML reserves names that begin with "xml" in any case.
bool StartsWithXml(std::string_view id)
{
  return id.size() >= 3 && (id[0] | 0x20) == 'x' && (id[1] | 0x20) == 'm' && (id[2] | 0x20) == 'l';
}

int HexDigit(char c)
{
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// An escape "_x" + 1 to 8 hex digits + "_" at `pos`: its unit and length, or length 0.
std::size_t EscapeAt(std::string_view text, std::size_t pos, std::uint32_t& unit)
{
  if (pos + 3 > text.size() || text[pos] != '_' || text[pos + 1] != 'x') return 0;
  std::size_t i = pos + 2;
  std::uint32_t value = 0;
  while (i < text.size() && i - (pos + 2) < 8 && HexDigit(text[i]) >= 0)
    value = value * 16 + static_cast<std::uint32_t>(HexDigit(text[i++]));
  if (i == pos + 2 || i >= text.size() || text[i] != '_') return 0;
  unit = value;
  return i + 1 - pos;
}

}  // namespace

bool ZALMPXmlEscape::IsXmlChar(std::uint32_t unit)
{
  return unit == 0x9 || unit == 0xA || unit == 0xD || (unit >= 0x20 && unit <= 0xD7FF) ||
         (unit >= 0xE000 && unit <= 0xFFFD) || (unit >= 0x10000 && unit <= 0x10FFFF);
}

bool ZALMPXmlEscape::IsNameStartChar(std::uint32_t unit)
{
  if (unit < 0x80) return unit == ':' || unit == '_' || IsAsciiLetter(static_cast<char>(unit));
  return (unit >= 0xC0 && unit <= 0xD6) || (unit >= 0xD8 && unit <= 0xF6) || (unit >= 0xF8 && unit <= 0x2FF) ||
         (unit >= 0x370 && unit <= 0x37D) || (unit >= 0x37F && unit <= 0x1FFF) || (unit >= 0x200C && unit <= 0x200D) ||
         (unit >= 0x2070 && unit <= 0x218F) || (unit >= 0x2C00 && unit <= 0x2FEF) ||
         (unit >= 0x3001 && unit <= 0xD7FF) || (unit >= 0xF900 && unit <= 0xFDCF) ||
         (unit >= 0xFDF0 && unit <= 0xFFFD) || (unit >= 0x10000 && unit <= 0xEFFFF);
}

bool ZALMPXmlEscape::IsNameChar(std::uint32_t unit)
{
  return IsNameStartChar(unit) || unit == '-' || unit == '.' || (unit >= '0' && unit <= '9') || unit == 0xB7 ||
         (unit >= 0x300 && unit <= 0x36F) || (unit >= 0x203F && unit <= 0x2040);
}

bool ZALMPXmlEscape::AppendName(ZALMPXmlOutput& out, std::string_view id)
{
  if (id.empty()) {
    out.Append("_x_");
    return false;
  }
  const bool reserved = StartsWithXml(id);
  std::size_t plain = 0;
  if (!reserved && (IsAsciiLetter(id[0]) || id[0] == '_')) {
    while (true) {
      while (plain < id.size() && kPlainNameByte[static_cast<unsigned char>(id[plain])]) ++plain;
      // '_' stands apart in the table: it is plain unless it starts "_x".
      if (plain == id.size() || id[plain] != '_' || (plain + 1 < id.size() && id[plain + 1] == 'x')) break;
      ++plain;
    }
  }
  if (plain == id.size()) {
    out.Append(id);
    return true;
  }

  bool asIs = true;
  std::size_t pos = 0;
  while (pos < id.size()) {
    const std::size_t start = pos;
    const std::uint32_t unit = ZALMPCompactText::NextUnit(id, pos);
    bool keep = start == 0 ? IsNameStartChar(unit) && !reserved : IsNameChar(unit);
    if (unit == ':' || (unit == '_' && pos < id.size() && id[pos] == 'x')) keep = false;
    if (keep) {
      out.Append(id.substr(start, pos - start));  // a name character is plain UTF-8 in the tree's encoding
    } else {
      AppendEscape(out, unit);
      asIs = false;
    }
  }
  return asIs;
}

void ZALMPXmlEscape::AppendText(ZALMPXmlOutput& out, std::string_view text, bool inAttribute)
{
  if (inAttribute) {
    AppendContent(out, text, kAttentionInAttribute);
    return;
  }
  // Parsers drop a leading or trailing space of element content, but keep a reference.
  const bool spaceFirst = !text.empty() && text.front() == ' ';
  if (spaceFirst) {
    out.Append(kSpaceReference);
    text.remove_prefix(1);
  }
  const bool spaceLast = !text.empty() && text.back() == ' ';
  if (spaceLast) text.remove_suffix(1);
  AppendContent(out, text, kAttentionInContent);
  if (spaceLast) out.Append(kSpaceReference);
}

bool ZALMPXmlEscape::HasEscapes(std::string_view text)
{
  return text.find("_x") != std::string_view::npos;
}

std::wstring ZALMPXmlEscape::Decode(std::string_view text, bool name)
{
  if (name && text == "_x_") return {};
  std::wstring out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::uint32_t unit = 0;
    if (const std::size_t length = EscapeAt(text, pos, unit)) {
      out += static_cast<wchar_t>(unit);
      pos += length;
    } else {
      out += static_cast<wchar_t>(ZALMPCompactText::NextUnit(text, pos));
    }
  }
  return out;
}

bool ZALMPXmlEscape::ResolveReferences(std::string_view raw, std::string& out, std::size_t& bad)
{
  out.clear();
  std::size_t pos = 0;
  while (true) {
    const std::size_t amp = raw.find('&', pos);
    if (amp == std::string_view::npos) {
      out.append(raw.substr(pos));
      return true;
    }
    out.append(raw.substr(pos, amp - pos));
    bad = amp;
    const std::size_t semicolon = raw.find(';', amp + 1);
    if (semicolon == std::string_view::npos) return false;
    const std::string_view name = raw.substr(amp + 1, semicolon - amp - 1);
    if (name == "lt") {
      out += '<';
    } else if (name == "gt") {
      out += '>';
    } else if (name == "amp") {
      out += '&';
    } else if (name == "apos") {
      out += '\'';
    } else if (name == "quot") {
      out += '"';
    } else if (name.size() >= 2 && name[0] == '#') {
      const bool hex = name[1] == 'x';
      const std::string_view digits = name.substr(hex ? 2 : 1);
      std::uint32_t unit = 0;
      const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), unit, hex ? 16 : 10);
      if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || !IsXmlChar(unit))
        return false;
      ZALMPCompactText::AppendUnit(out, unit);
    } else {
      return false;
    }
    pos = semicolon + 1;
  }
}
