#pragma once
#include <array>
#include <cstddef>
#include <string_view>

/// The (name, number) rows under which the element tree stores an enumeration
/// by name, in their fixed order. The first row is the fallback both ways: a
/// number that no other row holds gives the first row's name, and a name that
/// no other row spells exactly (case-sensitive) gives the first row's number.
///
/// Each enumeration holder keeps one table:
///   static constexpr ZALMPNameTable<Enum, 3> kNames{{{L"Free", Free}, ...}};
template <class Enum, std::size_t N>
class ZALMPNameTable {
  static_assert(N > 0, "a name table needs its fallback row");

public:
  struct Row {
    std::wstring_view name;
    Enum number;
  };

  constexpr explicit ZALMPNameTable(const Row (&rows)[N])
  {
    for (std::size_t i = 0; i < N; ++i) m_rows[i] = rows[i];
  }

  /// The name of `number`; the first row's name when no later row holds it.
  constexpr std::wstring_view NameOf(Enum number) const
  {
    for (std::size_t i = 1; i < N; ++i)
      if (m_rows[i].number == number) return m_rows[i].name;
    return m_rows[0].name;
  }

  /// The number named `name`; the first row's number when no later row has that exact name.
  constexpr Enum NumberOf(std::wstring_view name) const
  {
    for (std::size_t i = 1; i < N; ++i)
      if (m_rows[i].name == name) return m_rows[i].number;
    return m_rows[0].number;
  }

  static constexpr std::size_t Size() { return N; }
  constexpr const Row& operator[](std::size_t index) const { return m_rows[index]; }

private:
  std::array<Row, N> m_rows{};
};
