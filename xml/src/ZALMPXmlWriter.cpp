#include <ZALMPXmlWriter.h>

#include <ZALMPXmlCodec.h>

#include "ZALMPXmlEscape.h"
#include "ZALMPXmlNames.h"
#include "ZALMPXmlNumberText.h"

#include <charconv>
#include <cstdint>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

void AppendNumber(ZALMPXmlOutput& out, std::int32_t value)
{
  constexpr std::size_t kDigits = 11;  // "-2147483648"
  char* const at = out.Room(kDigits);
  out.Extend(std::to_chars(at, at + kDigits, value).ptr);
}

void AppendNumber(ZALMPXmlOutput& out, double value)
{
  out.Extend(ZALMPXmlNumberText::Write(out.Room(ZALMPXmlNumberText::kMaxLength), value));
}

void AppendBool(ZALMPXmlOutput& out, bool value)
{
  out.Append(value ? std::string_view("true") : std::string_view("false"));
}

void AppendIndent(ZALMPXmlOutput& out, int depth)
{
  out.AppendRepeated(static_cast<std::size_t>(depth) * 2, ' ');
}

}  // namespace

HRESULT ZALMPXmlWriter::Save(const std::wstring& path) const
{
  return ZALMPXmlCodec::Save(*this, std::filesystem::path(path)).status;
}

bool ZALMPXmlWriter::HasText() const
{
  return GetType() != Type::None && !(GetType() == Type::String && GetValueText().empty());
}

void ZALMPXmlWriter::AppendValue(ZALMPXmlOutput& out) const
{
  switch (GetType()) {
  case Type::Bool: AppendBool(out, GetValueb()); break;
  case Type::Int: AppendNumber(out, GetValuei()); break;
  case Type::Double: AppendNumber(out, GetValued()); break;
  case Type::String: ZALMPXmlEscape::AppendText(out, GetValueText(), false); break;
  default: break;
  }
}

bool ZALMPXmlWriter::AppendStartTag(ZALMPXmlOutput& out, const ZALMPXmlWriter* parent) const
{
  out.Append('<');
  const bool nameAsIs = ZALMPXmlEscape::AppendName(out, GetIdText());

  if (!parent) {
    out.Append(' ');
    out.Append(ZALMPXmlNames::kNamespaceDeclaration);
    out.Append("=\"");
    out.Append(ZALMPXmlNames::kNamespace);
    out.Append('"');
  }
  if (!parent || !HasVersionOf(*parent)) {
    out.Append(' ');
    out.Append(ZALMPXmlNames::kVersion);
    out.Append("=\"");
    ZALMPXmlEscape::AppendText(out, ZALMPCompactText::FromWide(GetVersionView()).View(), true);
    out.Append('"');
  }

  const auto count = static_cast<int>(GetAttributeCount());
  const std::vector<bool> superseded = count > 1 ? SupersededAttributes() : std::vector<bool>();
  for (int i = 0; i < count; ++i) {
    if (!superseded.empty() && superseded[static_cast<std::size_t>(i)]) continue;
    out.Append(' ');
    ZALMPXmlEscape::AppendName(out, GetAttributeIdText(i));
    out.Append("=\"");
    switch (GetAttributeType(i)) {
    case Type::Bool: AppendBool(out, GetAttributeValueb(i)); break;
    case Type::Int: AppendNumber(out, GetAttributeValuei(i)); break;
    case Type::Double: AppendNumber(out, GetAttributeValued(i)); break;
    case Type::String: ZALMPXmlEscape::AppendText(out, GetAttributeValueText(i), true); break;
    default: break;
    }
    out.Append('"');
  }

  if (GetType() == Type::String && GetValueText().empty()) {
    out.Append(' ');
    out.Append(ZALMPXmlNames::kEmpty);
    out.Append("=\"true\"");
  }
  return nameAsIs;
}

// XML allows an attribute name once; a repeated id is written once, with the
// value it was given last, which is the one a reader keeps. Empty when no id repeats.
std::vector<bool> ZALMPXmlWriter::SupersededAttributes() const
{
  if (!HasRepeatedAttributeIds()) return {};
  const auto count = static_cast<int>(GetAttributeCount());
  std::vector<bool> superseded(static_cast<std::size_t>(count), false);
  std::unordered_set<std::string_view> later;
  for (int i = count - 1; i >= 0; --i)
    if (!later.insert(GetAttributeIdText(i)).second) superseded[static_cast<std::size_t>(i)] = true;
  return superseded;
}

HRESULT ZALMPXmlWriter::Print(std::string& text) const
{
  std::string whole;
  Stream([&whole](std::string_view piece) {
    whole += piece;
    return true;
  });
  text = std::move(whole);
  return S_OK;
}

bool ZALMPXmlWriter::Stream(const std::function<bool(std::string_view)>& sink) const
{
  Printer printer(*this, sink, false, false);
  return printer.Finish();
}

std::unique_ptr<ZALMPSerializer> ZALMPXmlWriter::CreateElement() const
{
  if (m_printer)
    if (std::unique_ptr<ZALMPSerializer> spare = m_printer->TakeSpare()) return spare;
  auto element = std::make_unique<ZALMPXmlWriter>();
  element->m_printer = m_printer;
  return element;
}

HRESULT ZALMPXmlWriter::Commit()
{
  if (!m_printer) return S_OK;
  return m_printer->PrintChildrenOf(*this) ? S_OK : E_FAIL;
}

ZALMPXmlWriter::Printer::Printer(const ZALMPXmlWriter& root, std::function<bool(std::string_view)> sink,
                                 bool releasePrinted, bool holderRoot)
  : m_root(root), m_sink(std::move(sink)), m_release(releasePrinted), m_holder(holderRoot)
{
}

void ZALMPXmlWriter::Printer::Flush(std::size_t atLeast)
{
  if (m_out.Size() < atLeast || !m_accepted) return;
  m_accepted = m_sink(m_out.View());
  m_out.Clear();
}

// An element with both text and children writes its children without layout
// white space, which would otherwise become part of its text. `keepOpen`
// leaves the element open even without children (more are coming); true when
// the element was left open.
bool ZALMPXmlWriter::Printer::Start(const ZALMPXmlWriter& element, const ZALMPXmlWriter* parent, int depth,
                                    bool compact, bool keepOpen)
{
  ZALMPXmlOutput& out = m_out;
  if (!compact) AppendIndent(out, depth);
  const bool nameAsIs = element.AppendStartTag(out, parent);
  const bool hasText = element.HasText();
  const bool open = keepOpen || element.GetElementCount() > 0;
  if (!hasText && !open) {
    out.Append("/>");
    if (!compact) out.Append('\n');
    return false;
  }
  out.Append('>');
  if (hasText) element.AppendValue(out);
  if (!open) {
    AppendEndTag(out, element, nameAsIs);
    if (!compact) out.Append('\n');
    return false;
  }
  const bool compactInside = compact || hasText;
  if (!compactInside) out.Append('\n');
  m_open.push_back({&element, 0, depth, compactInside, compact, nameAsIs});
  Flush(kPiece);
  return true;
}

// `nameAsIs`: the start tag found nothing to escape in the id.
void ZALMPXmlWriter::Printer::AppendEndTag(ZALMPXmlOutput& out, const ZALMPXmlWriter& element, bool nameAsIs)
{
  out.Append("</");
  if (nameAsIs)
    out.Append(element.GetIdText());
  else
    ZALMPXmlEscape::AppendName(out, element.GetIdText());
  out.Append('>');
}

// The streamed tree's elements are its own, not the caller's: letting go of
// printed ones changes nothing anybody still reads.
void ZALMPXmlWriter::Printer::Release(const ZALMPXmlWriter& parent, std::uint64_t index)
{
  if (!m_release) return;
  std::unique_ptr<ZALMPSerializer> released =
      const_cast<ZALMPXmlWriter&>(parent).ReleaseElement(static_cast<int>(index));
  static_cast<ZALMPXmlWriter&>(*released).Reset();
  m_spares.push_back(std::move(released));
}

std::unique_ptr<ZALMPSerializer> ZALMPXmlWriter::Printer::TakeSpare()
{
  if (m_spares.empty()) return nullptr;
  std::unique_ptr<ZALMPSerializer> spare = std::move(m_spares.back());
  m_spares.pop_back();
  return spare;
}

bool ZALMPXmlWriter::Printer::Run(const ZALMPXmlWriter* pauseInside)
{
  if (!m_started) {
    // A holder root is never written: its first element is the document's root.
    const ZALMPXmlWriter* documentRoot = &m_root;
    if (m_holder)
      documentRoot =
          m_root.GetElementCount() > 0 ? static_cast<const ZALMPXmlWriter*>(m_root.GetElement(0)) : nullptr;
    if (!documentRoot) return false;
    m_started = true;
    m_out.Reserve(kPiece + 4096);
    m_out.Append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    Start(*documentRoot, nullptr, 0, false, documentRoot == pauseInside);
  }
  while (!m_open.empty()) {
    Open& top = m_open.back();
    const ZALMPXmlWriter* element = top.element;
    if (top.next < element->GetElementCount()) {
      const std::uint64_t index = top.next++;
      const auto* child = static_cast<const ZALMPXmlWriter*>(element->GetElement(static_cast<int>(index)));
      if (!child) {
        m_broken = true;  // released earlier: something was added behind the printer
        continue;
      }
      const bool keepOpen = child == pauseInside;
      if (!Start(*child, element, top.depth + 1, top.compactInside, keepOpen)) Release(*element, index);
      continue;
    }
    if (element == pauseInside) return m_accepted && !m_broken;
    if (!top.compactInside) AppendIndent(m_out, top.depth);
    AppendEndTag(m_out, *element, top.nameAsIs);
    if (!top.compactOutside) m_out.Append('\n');
    m_open.pop_back();
    if (!m_open.empty()) Release(*m_open.back().element, m_open.back().next - 1);
  }
  // A committed element that is no longer open was committed out of order.
  if (pauseInside) m_broken = true;
  return m_accepted && !m_broken;
}

bool ZALMPXmlWriter::Printer::PrintChildrenOf(const ZALMPXmlWriter& element)
{
  return Run(&element);
}

bool ZALMPXmlWriter::Printer::Finish()
{
  if (!Run(nullptr) && !m_started) return false;
  Flush(0);
  return m_accepted && !m_broken;
}

ZALMPXmlStreamedTree::ZALMPXmlStreamedTree(std::function<bool(std::string_view)> sink)
  : m_printer(std::make_unique<ZALMPXmlWriter::Printer>(m_root, std::move(sink), true, true))
{
  m_root.m_printer = m_printer.get();
}

bool ZALMPXmlStreamedTree::Finish()
{
  return m_printer->Finish();
}
