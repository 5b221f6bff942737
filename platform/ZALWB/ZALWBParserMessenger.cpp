#include "ZALWBParserMessenger.h"

std::string ZALWBParserMessenger::GetText() const
{
  if (!HasError()) return {};
  return "line " + std::to_string(m_line) + ", column " + std::to_string(m_column) + ": " + m_message;
}

void ZALWBParserMessenger::SetError(const char* text, int position, std::string message)
{
  m_message = std::move(message);
  m_position = position < 0 ? 0 : position;
  m_line = 1;
  m_column = 1;
  for (int i = 0; text && i < m_position && text[i] != '\0'; ++i) {
    if (text[i] == '\n') {
      ++m_line;
      m_column = 1;
    } else {
      ++m_column;
    }
  }
}

void ZALWBParserMessenger::Clear()
{
  m_message.clear();
  m_position = -1;
  m_line = 0;
  m_column = 0;
}
