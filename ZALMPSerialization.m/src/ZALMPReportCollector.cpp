#include <ZALMPDeserializer.h>
#include <ZALMPReportCollector.h>

#include <exception>
#include <utility>

namespace {
// Reports happen on the thread that runs the library call; each thread has its own.
thread_local ZALMPReportCollector* t_collector = nullptr;
thread_local ZALMPReportContext* t_context = nullptr;
// Naming the context reads the element, which may itself report; those reports are not kept.
thread_local bool t_collecting = false;
}  // namespace

ZALMPReportCollector::ZALMPReportCollector() : m_outer(t_collector) { t_collector = this; }

ZALMPReportCollector::~ZALMPReportCollector() { t_collector = m_outer; }

std::vector<ZALMPReportCollector::Report> ZALMPReportCollector::TakeReports() { return std::exchange(m_reports, {}); }

void ZALMPReportCollector::Collect(const char* file, int line)
{
  if (!t_collector || t_collecting) return;
  t_collecting = true;
  std::wstring context = ZALMPReportContext::Describe();
  t_collecting = false;
  t_collector->m_reports.push_back({file ? file : "", line, std::move(context)});
}

ZALMPReportContext::ZALMPReportContext(std::wstring_view collection, int index, const ZALMPDeserializer* element)
  : m_collection(collection),
    m_index(index),
    m_element(element),
    m_outer(t_context),
    m_exceptionsInFlight(std::uncaught_exceptions())
{
  t_context = this;
}

ZALMPReportContext::~ZALMPReportContext()
{
  // An exception leaving this context is caught above it, where the name is
  // gone: keep the innermost name for the catcher.
  if (t_collector && t_collector->m_unwoundContext.empty() && std::uncaught_exceptions() > m_exceptionsInFlight) {
    t_collecting = true;
    try {
      t_collector->m_unwoundContext = Describe();
    } catch (const std::exception&) {
      // Out of memory while naming it: the catcher gets no name, the exception goes on.
    }
    t_collecting = false;
  }
  t_context = m_outer;
}

std::wstring ZALMPReportContext::Describe()
{
  const ZALMPReportContext* context = t_context;
  if (!context) return {};
  std::wstring text(context->m_collection);
  text += L"[" + std::to_wstring(context->m_index) + L"]";
  if (!context->m_element) return text;
  std::wstring id;
  context->m_element->GetId(id);
  text += L" <" + id;
  std::wstring identifier;
  if (SUCCEEDED(context->m_element->GetAttribute(L"id", identifier))) text += L" id=\"" + identifier + L"\"";
  return text + L">";
}
