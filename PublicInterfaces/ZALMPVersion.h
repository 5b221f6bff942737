#pragma once
#include <array>
#include <string_view>
#include <type_traits>

/// The format versions of the element tree. Every element carries one; writers
/// and readers decide what to write and expect with `IsAtLeast` / `IsBefore`
/// against these named gates, never with literal texts.
struct ZALMPVersion {
  static constexpr std::wstring_view kR2015x_0 = L"R2015x.0";
  static constexpr std::wstring_view kR2016_0 = L"R2016.0";
  static constexpr std::wstring_view kR2016_1 = L"R2016.1";
  static constexpr std::wstring_view kR2017_0 = L"R2017.0";
  static constexpr std::wstring_view kR2017_1 = L"R2017.1";
  static constexpr std::wstring_view kR2018_0 = L"R2018.0";
  static constexpr std::wstring_view kR2018_1 = L"R2018.1";

  /// The oldest format; what no version on a document would mean.
  static constexpr std::wstring_view kOldest = kR2015x_0;
  /// The format that new elements carry.
  static constexpr std::wstring_view kNewest = kR2018_1;

  /// Every known version, oldest first.
  static constexpr std::array<std::wstring_view, 7> kAll = {kR2015x_0, kR2016_0, kR2016_1, kR2017_0,
                                                            kR2017_1,  kR2018_0, kR2018_1};

  /// Versions are texts compared code unit by code unit (as unsigned values);
  /// a shorter text that is a prefix of a longer one is the smaller.
  static constexpr int Compare(std::wstring_view left, std::wstring_view right)
  {
    const std::size_t common = left.size() < right.size() ? left.size() : right.size();
    for (std::size_t i = 0; i < common; ++i) {
      const auto l = static_cast<unsigned long>(static_cast<std::make_unsigned_t<wchar_t>>(left[i]));
      const auto r = static_cast<unsigned long>(static_cast<std::make_unsigned_t<wchar_t>>(right[i]));
      if (l != r) return l < r ? -1 : 1;
    }
    if (left.size() == right.size()) return 0;
    return left.size() < right.size() ? -1 : 1;
  }

  /// True when `version` is `gate` or newer: the test of "from version `gate` on".
  static constexpr bool IsAtLeast(std::wstring_view version, std::wstring_view gate)
  {
    return Compare(version, gate) >= 0;
  }

  /// True when `version` is older than `gate`.
  static constexpr bool IsBefore(std::wstring_view version, std::wstring_view gate)
  {
    return Compare(version, gate) < 0;
  }
};
