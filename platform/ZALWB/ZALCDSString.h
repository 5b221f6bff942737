#pragma once
#include <string>
#include <string_view>

/// Narrow text buffer of the equation library; the printer writes into it.
class ZALCDSString {
public:
  ZALCDSString() = default;
  explicit ZALCDSString(std::string text) : m_text(std::move(text)) {}

  /// Zero-terminated text, valid until the buffer changes.
  const char* CastToCharPtr() const { return m_text.c_str(); }
  /// Length in bytes, without the terminating zero.
  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  const std::string& str() const { return m_text; }

  void Append(std::string_view text) { m_text.append(text); }
  /// Replaces the whole text.
  void Assign(std::string text) { m_text = std::move(text); }
  void Clear() { m_text.clear(); }

private:
  std::string m_text;
};
