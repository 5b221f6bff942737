#pragma once
#include <string>

class ZALString;

/// Wide text of the host platform.
class ZALUnicodeString {
public:
  ZALUnicodeString() = default;
  ZALUnicodeString(std::wstring text) : m_text(std::move(text)) {}
  ZALUnicodeString(const wchar_t* text) : m_text(text ? text : L"") {}
  /// From narrow UTF-8 text.
  explicit ZALUnicodeString(const char* text);
  explicit ZALUnicodeString(const ZALString& text);

  const std::wstring& ConvertToWChar() const { return m_text; }
  /// The text as narrow UTF-8.
  std::string ConvertToChar() const;
  int GetLengthInChar() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }

  friend bool operator==(const ZALUnicodeString&, const ZALUnicodeString&) = default;

private:
  std::wstring m_text;
};
