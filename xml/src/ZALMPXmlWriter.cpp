#include <ZALMPXmlWriter.h>

#include <ZALMPXmlCodec.h>

#include "ZALMPXmlEscape.h"
#include "ZALMPXmlNames.h"

#include <charconv>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

template <class Number>
void AppendNumber(std::string& out, Number value)
{
  char digits[32];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  (void)error;
  out.append(digits, end);
}

void AppendBool(std::string& out, bool value)
{
  out += value ? "true" : "false";
}

void AppendIndent(std::string& out, int depth)
{
  out.append(static_cast<std::size_t>(depth) * 2, ' ');
}

}  // namespace

std::unique_ptr<ZALMPSerializer> ZALMPXmlWriter::CreateElement() const
{
  return std::make_unique<ZALMPXmlWriter>();
}

HRESULT ZALMPXmlWriter::Save(const std::wstring& path) const
{
  return ZALMPXmlCodec::Save(*this, std::filesystem::path(path)).status;
}

bool ZALMPXmlWriter::HasText() const
{
  return GetType() != Type::None && !(GetType() == Type::String && GetValueText().empty());
}

void ZALMPXmlWriter::AppendValue(std::string& out) const
{
  switch (GetType()) {
  case Type::Bool: AppendBool(out, GetValueb()); break;
  case Type::Int: AppendNumber(out, GetValuei()); break;
  case Type::Double: AppendNumber(out, GetValued()); break;
  case Type::String: ZALMPXmlEscape::AppendText(out, GetValueText(), false); break;
  default: break;
  }
}

void ZALMPXmlWriter::AppendStartTag(std::string& out, const ZALMPXmlWriter* parent) const
{
  out += '<';
  ZALMPXmlEscape::AppendName(out, GetIdText());

  const std::wstring_view version = GetVersionView();
  if (!parent) {
    out += ' ';
    out += ZALMPXmlNames::kNamespaceDeclaration;
    out += "=\"";
    out += ZALMPXmlNames::kNamespace;
    out += '"';
  }
  if (!parent || version != parent->GetVersionView()) {
    out += ' ';
    out += ZALMPXmlNames::kVersion;
    out += "=\"";
    ZALMPXmlEscape::AppendText(out, ZALMPCompactText::FromWide(version).View(), true);
    out += '"';
  }

  // XML allows an attribute name once; a repeated id is written once, with
  // the value it was given last, which is the one a reader keeps.
  const auto count = static_cast<int>(GetAttributeCount());
  std::vector<bool> superseded;
  if (count > 1) {
    superseded.assign(static_cast<std::size_t>(count), false);
    std::unordered_set<std::string_view> later;
    for (int i = count - 1; i >= 0; --i)
      if (!later.insert(GetAttributeIdText(i)).second) superseded[static_cast<std::size_t>(i)] = true;
  }
  for (int i = 0; i < count; ++i) {
    if (!superseded.empty() && superseded[static_cast<std::size_t>(i)]) continue;
    out += ' ';
    ZALMPXmlEscape::AppendName(out, GetAttributeIdText(i));
    out += "=\"";
    switch (GetAttributeType(i)) {
    case Type::Bool: AppendBool(out, GetAttributeValueb(i)); break;
    case Type::Int: AppendNumber(out, GetAttributeValuei(i)); break;
    case Type::Double: AppendNumber(out, GetAttributeValued(i)); break;
    case Type::String: ZALMPXmlEscape::AppendText(out, GetAttributeValueText(i), true); break;
    default: break;
    }
    out += '"';
  }

  if (GetType() == Type::String && GetValueText().empty()) {
    out += ' ';
    out += ZALMPXmlNames::kEmpty;
    out += "=\"true\"";
  }
}

HRESULT ZALMPXmlWriter::Print(std::string& text) const
{
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

  // An element with both text and children writes its children without
  // layout white space, which would otherwise become part of its text.
  struct Open {
    const ZALMPXmlWriter* element;
    std::uint64_t next;  // index of the next child to write
    int depth;
    bool compactInside;
    bool compactOutside;
  };
  std::vector<Open> open;

  auto start = [&](const ZALMPXmlWriter* element, const ZALMPXmlWriter* parent, int depth, bool compact) {
    if (!compact) AppendIndent(out, depth);
    element->AppendStartTag(out, parent);
    const bool hasText = element->HasText();
    if (!hasText && element->GetElementCount() == 0) {
      out += "/>";
      if (!compact) out += '\n';
      return;
    }
    out += '>';
    if (hasText) element->AppendValue(out);
    if (element->GetElementCount() == 0) {
      out += "</";
      ZALMPXmlEscape::AppendName(out, element->GetIdText());
      out += '>';
      if (!compact) out += '\n';
      return;
    }
    const bool compactInside = compact || hasText;
    if (!compactInside) out += '\n';
    open.push_back({element, 0, depth, compactInside, compact});
  };

  start(this, nullptr, 0, false);
  while (!open.empty()) {
    Open& top = open.back();
    if (top.next < top.element->GetElementCount()) {
      const auto* child = static_cast<const ZALMPXmlWriter*>(top.element->GetElement(static_cast<int>(top.next++)));
      start(child, top.element, top.depth + 1, top.compactInside);
      continue;
    }
    if (!top.compactInside) AppendIndent(out, top.depth);
    out += "</";
    ZALMPXmlEscape::AppendName(out, top.element->GetIdText());
    out += '>';
    if (!top.compactOutside) out += '\n';
    open.pop_back();
  }
  text = std::move(out);
  return S_OK;
}
