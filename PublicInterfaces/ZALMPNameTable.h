#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

/// The (name, number) rows under which the element tree stores an enumeration
/// by name, in their fixed order. The first row is the fallback both ways: a
/// number that no other row holds gives the first row's name, and a name that
/// no other row spells exactly (case-sensitive) gives the first row's number.
///
/// Each enumeration holder keeps one table, made by ZALMP_NAMED_ENUMERATION.
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

/// Declares `Holder`, the holder of an enumeration stored by name: its 32-bit
/// `Enum` with the members that `list` gives, the name table `kNames` (each
/// member under its own name, in the list's order, the first the fallback both
/// ways; also `ZALMPNamesOf(member)`), `ToName` (a number outside the table
/// gives the first name) and `FromName` (a text that no member spells exactly gives the first member).
/// `list(Entry)` expands to Entry(member, number) once per member.
#define ZALMP_NAMED_ENUMERATION(Holder, list)                                                                 \
  class Holder {                                                                                              \
  public:                                                                                                     \
    enum Enum : std::int32_t { list(ZALMP_ENUMERATION_MEMBER) };                                              \
    static constexpr ZALMPNameTable<Enum, 0 list(ZALMP_ENUMERATION_COUNT)> kNames{{list(ZALMP_ENUMERATION_ROW)}}; \
    static constexpr std::wstring_view ToName(Enum number) { return kNames.NameOf(number); }                  \
    static constexpr Enum FromName(std::wstring_view name) { return kNames.NumberOf(name); }                  \
    /** The name table of an `Enum`, found by argument-dependent lookup. */                                 \
    friend constexpr const auto& ZALMPNamesOf(Enum) { return kNames; }                                        \
  }
#define ZALMP_ENUMERATION_MEMBER(member, number) member = number,
#define ZALMP_ENUMERATION_COUNT(member, number) +1
#define ZALMP_ENUMERATION_ROW(member, number) {L"" #member, member},
