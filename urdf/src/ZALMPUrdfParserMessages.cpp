#include "ZALMPUrdfParserMessages.h"

ZALMPUrdfParserMessages::ZALMPUrdfParserMessages() : m_previous(console_bridge::getOutputHandler())
{
  console_bridge::useOutputHandler(this);
}

ZALMPUrdfParserMessages::~ZALMPUrdfParserMessages()
{
  console_bridge::useOutputHandler(m_previous);
}

void ZALMPUrdfParserMessages::log(const std::string& text, console_bridge::LogLevel level, const char*, int)
{
  if (level == console_bridge::CONSOLE_BRIDGE_LOG_ERROR) m_errors.push_back(text);
  if (level == console_bridge::CONSOLE_BRIDGE_LOG_WARN) m_warnings.push_back(text);
}

std::string ZALMPUrdfParserMessages::Errors() const
{
  std::string joined;
  for (const std::string& error : m_errors) joined += (joined.empty() ? "" : "; ") + error;
  return joined;
}
