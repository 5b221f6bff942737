#include "ZALMPToolProgress.h"

#include <cstdio>
#include <utility>

namespace {

// "12.3 MB" for bytes (millions, one decimal), plain counts for entities.
std::string Amount(ZALMPXmlProgressUnit unit, double count)
{
  if (unit == ZALMPXmlProgressUnit::Entities) return std::to_string(static_cast<std::uint64_t>(count));
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", count / 1e6);
  return text;
}

}  // namespace

ZALMPToolProgress::ZALMPToolProgress(std::ostream& out, bool isTerminal, Clock clock)
    : m_out(out), m_isTerminal(isTerminal), m_clock(std::move(clock))
{
}

ZALMPToolProgress::~ZALMPToolProgress()
{
  End();
}

ZALMPXmlProgress ZALMPToolProgress::Follow(std::string task)
{
  if (!m_isTerminal) return {};
  End();
  m_task = std::move(task);
  m_started = m_shown = m_clock();
  m_unit = ZALMPXmlProgressUnit::Bytes;
  return [this](ZALMPXmlProgressUnit unit, std::uint64_t done, std::uint64_t total) { Show(unit, done, total); };
}

void ZALMPToolProgress::Show(ZALMPXmlProgressUnit unit, std::uint64_t done, std::uint64_t total)
{
  const std::chrono::steady_clock::time_point now = m_clock();
  // Each unit has its own rate: a load reads bytes first, then entities.
  if (unit != m_unit) {
    m_unit = unit;
    m_started = now;
  }
  // A rate needs a little time behind it, and a line a little time on screen.
  if (now - m_shown < kEvery || now - m_started < kEvery) return;
  m_shown = now;
  const double seconds = std::chrono::duration<double>(now - m_started).count();
  const std::string name = unit == ZALMPXmlProgressUnit::Bytes ? " MB" : " entities";
  std::string line = m_task + ": " + Amount(unit, static_cast<double>(done));
  if (total > 0) line += " of " + Amount(unit, static_cast<double>(total));
  line += name + ", " + Amount(unit, static_cast<double>(done) / seconds) + name + "/s";
  // Spaces cover what is left of a longer line before.
  const std::size_t width = line.size();
  if (width < m_width) line.append(m_width - width, ' ');
  m_width = width;
  m_out << '\r' << line << std::flush;
}

void ZALMPToolProgress::End()
{
  if (m_width == 0) return;
  m_out << '\r' << std::string(m_width, ' ') << '\r' << std::flush;
  m_width = 0;
}
