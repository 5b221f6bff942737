#pragma once
#include <console_bridge/console.h>

#include <string>
#include <vector>

/// While it lives, what the URDF parser logs is kept here instead of being
/// printed: its errors make the message of a failed import, its warnings join
/// the import's warnings. Debug and information lines are dropped.
class ZALMPUrdfParserMessages : public console_bridge::OutputHandler {
public:
  ZALMPUrdfParserMessages();
  ~ZALMPUrdfParserMessages() override;
  ZALMPUrdfParserMessages(const ZALMPUrdfParserMessages&) = delete;
  ZALMPUrdfParserMessages& operator=(const ZALMPUrdfParserMessages&) = delete;

  void log(const std::string& text, console_bridge::LogLevel level, const char* filename, int line) override;

  /// The errors joined by "; "; empty when the parser logged none.
  std::string Errors() const;
  const std::vector<std::string>& Warnings() const { return m_warnings; }

private:
  console_bridge::OutputHandler* m_previous;
  std::vector<std::string> m_errors;
  std::vector<std::string> m_warnings;
};
