#pragma once
#include <ostream>
#include <string>

/// Narrow (UTF-8) text of the host platform.
class ZALString {
public:
  ZALString() = default;
  ZALString(std::string text) : m_text(std::move(text)) {}
  ZALString(const char* text) : m_text(text ? text : "") {}

  const std::string& str() const { return m_text; }
  const char* CastToCharPtr() const { return m_text.c_str(); }
  int GetLengthInChar() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }

  friend bool operator==(const ZALString&, const ZALString&) = default;
  friend std::ostream& operator<<(std::ostream& out, const ZALString& text) { return out << text.m_text; }

private:
  std::string m_text;
};
