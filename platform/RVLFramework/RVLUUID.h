#pragma once
#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// A class id: 16 bytes, parsed from its 8-4-4-4-12 hexadecimal text (either case).
class RVLUUID {
public:
  constexpr RVLUUID() = default;

  /// Parses `text`; a text that is not a UUID gives the null UUID
  /// (in a constant expression it does not compile).
  constexpr explicit RVLUUID(std::string_view text)
  {
    const std::optional<RVLUUID> parsed = Parse(text);
    if (!parsed) FailToParse();
    m_bytes = parsed->m_bytes;
  }

  static constexpr std::optional<RVLUUID> Parse(std::string_view text)
  {
    if (text.size() != 36) return std::nullopt;
    RVLUUID id;
    int byte = 0;
    for (std::size_t i = 0; i < text.size();) {
      if (i == 8 || i == 13 || i == 18 || i == 23) {
        if (text[i] != '-') return std::nullopt;
        ++i;
        continue;
      }
      const int high = HexDigit(text[i]);
      const int low = HexDigit(text[i + 1]);
      if (high < 0 || low < 0) return std::nullopt;
      id.m_bytes[byte++] = static_cast<std::uint8_t>(high * 16 + low);
      i += 2;
    }
    return id;
  }

  /// Upper-case text form.
  std::string ToText() const;
  constexpr bool IsNull() const { return *this == RVLUUID(); }

  friend constexpr bool operator==(const RVLUUID&, const RVLUUID&) = default;
  friend constexpr auto operator<=>(const RVLUUID&, const RVLUUID&) = default;

private:
  static constexpr int HexDigit(char c)
  {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }
  // Not constexpr on purpose: reaching it in a constant expression is a compile error.
  static void FailToParse() {}

  std::array<std::uint8_t, 16> m_bytes{};
};
