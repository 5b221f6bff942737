#pragma once
#include <ZALMPXml.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

/// Shows on a terminal how far a long load or save has come: one line,
/// redrawn at most ten times a second, with the bytes or entities done and
/// their rate ("loading big.xml: 12.3 of 48.1 MB, 4.1 MB/s"), cleared when
/// the work ends. Off a terminal it shows nothing and costs nothing.
class ZALMPToolProgress {
public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  /// Draws on `out`, which is a terminal when `isTerminal` says so.
  ZALMPToolProgress(std::ostream& out, bool isTerminal,
                    Clock clock = [] { return std::chrono::steady_clock::now(); });
  /// Clears the line shown, as End does.
  ~ZALMPToolProgress();
  ZALMPToolProgress(const ZALMPToolProgress&) = delete;
  ZALMPToolProgress& operator=(const ZALMPToolProgress&) = delete;

  /// A listener for ZALMPXml::Load or Save that shows their progress under
  /// `task` ("loading big.xml"); empty off a terminal. It refers to this
  /// object, which must outlive its use.
  ZALMPXmlProgress Follow(std::string task);
  /// Clears the line shown, if any.
  void End();

private:
  void Show(ZALMPXmlProgressUnit unit, std::uint64_t done, std::uint64_t total);

  static constexpr std::chrono::milliseconds kEvery{100};

  std::ostream& m_out;
  bool m_isTerminal;
  Clock m_clock;
  std::string m_task;
  ZALMPXmlProgressUnit m_unit = ZALMPXmlProgressUnit::Bytes;
  std::chrono::steady_clock::time_point m_started;
  std::chrono::steady_clock::time_point m_shown;
  std::size_t m_width = 0;  // of the line on the terminal now
};
