#pragma once
#include "ZALMPExport.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

/// The storage of the element tree's texts (ids, values, keys). Whole models
/// of a million elements live in these trees, so a text takes 16 bytes and
/// needs no heap block up to 15 bytes of content.
///
/// Content is a byte string. Element texts hold wide text in the tree's text
/// encoding: UTF-8, extended so that every wide code unit round-trips (a
/// surrogate takes the 3-byte form, a value above U+10FFFF the 4- to 6-byte
/// forms of the original UTF-8 design, a negative `wchar_t` seven bytes led by
/// 0xFE). Comparing two encoded texts byte by byte orders them as their wide
/// texts compared code unit by code unit (as unsigned values).
class ZALMP_EXPORT ZALMPCompactText {
public:
  // Inline: a load makes and moves hundreds of thousands of these.
  ZALMPCompactText() noexcept { std::memset(m_raw, 0, sizeof m_raw); }
  explicit ZALMPCompactText(std::string_view bytes);
  ZALMPCompactText(const ZALMPCompactText& other);
  ZALMPCompactText(ZALMPCompactText&& other) noexcept
  {
    std::memcpy(m_raw, other.m_raw, sizeof m_raw);
    std::memset(other.m_raw, 0, sizeof other.m_raw);
  }
  ZALMPCompactText& operator=(const ZALMPCompactText& other);
  ZALMPCompactText& operator=(ZALMPCompactText&& other) noexcept
  {
    if (this != &other) {
      if (m_raw[kInlineCapacity] == kHeapTag) Free();
      std::memcpy(m_raw, other.m_raw, sizeof m_raw);
      std::memset(other.m_raw, 0, sizeof other.m_raw);
    }
    return *this;
  }
  ~ZALMPCompactText()
  {
    if (m_raw[kInlineCapacity] == kHeapTag) Free();
  }

  /// Replaces the content by a copy of `bytes`. Throws std::length_error
  /// beyond 4 GiB.
  void Assign(std::string_view bytes)
  {
    if (bytes.size() <= kInlineCapacity && !IsHeap()) {
      CopyShort(m_raw, bytes.data(), bytes.size());
      m_raw[kInlineCapacity] = static_cast<unsigned char>(bytes.size());
      return;
    }
    AssignElsewhere(bytes);
  }
  /// Replaces the content by `bytes` without copying them when they do not
  /// fit inline: the caller keeps that memory alive and unchanged while this
  /// text (or one moved from it) refers to it. Copies of the text own theirs.
  void Borrow(std::string_view bytes);
  std::string_view View() const noexcept
  {
    if (IsHeap()) return {HeapData(), HeapSize()};
    return {reinterpret_cast<const char*>(m_raw), m_raw[kInlineCapacity]};
  }
  std::size_t Size() const noexcept { return IsHeap() ? HeapSize() : m_raw[kInlineCapacity]; }
  bool Empty() const noexcept { return Size() == 0; }

  friend bool operator==(const ZALMPCompactText& left, const ZALMPCompactText& right) noexcept
  {
    return left.View() == right.View();
  }
  /// Byte-wise order, bytes taken as unsigned.
  friend std::strong_ordering operator<=>(const ZALMPCompactText& left, const ZALMPCompactText& right) noexcept
  {
    return Compare(left.View(), right.View()) <=> 0;
  }

  /// The text encoding of `text`.
  static ZALMPCompactText FromWide(std::wstring_view text);
  /// Replaces the content by the text encoding of `text`.
  void AssignWide(std::wstring_view text);
  /// `utf8` as a text: taken as it is when it is valid UTF-8; otherwise each
  /// invalid sequence becomes U+FFFD, as the platform's UTF-8 conversion does.
  static ZALMPCompactText FromUtf8(std::string_view utf8);
  /// The wide text of this encoded text.
  std::wstring ToWide() const { return ToWide(View()); }
  static std::wstring ToWide(std::string_view encoded);
  /// The same into `out`, reusing its memory (a reader that fills one buffer
  /// again and again allocates nothing).
  static void ToWide(std::string_view encoded, std::wstring& out);

  /// Appends the encoding of one wide code unit.
  static void AppendUnit(std::string& out, std::uint32_t unit);
  /// Decodes the code unit at `pos` of an encoded text and moves `pos` past it.
  /// A damaged sequence gives U+FFFD and moves on by one byte.
  static std::uint32_t NextUnit(std::string_view encoded, std::size_t& pos) noexcept;
  /// True when `bytes` is strict UTF-8 (shortest forms, no surrogates, at most U+10FFFF).
  static bool IsUtf8(std::string_view bytes) noexcept
  {
    // Short plain ASCII, the usual case, at once.
    if (bytes.size() <= 16 && !HighBitsOfShort(bytes.data(), bytes.size())) return true;
    return IsUtf8Checked(bytes);
  }
  /// Byte-wise comparison of two encoded texts: negative, zero or positive.
  static int Compare(std::string_view left, std::string_view right) noexcept
  {
    const std::size_t common = left.size() < right.size() ? left.size() : right.size();
    const int bytes = common == 0 ? 0 : std::memcmp(left.data(), right.data(), common);
    if (bytes != 0) return bytes;
    if (left.size() == right.size()) return 0;
    return left.size() < right.size() ? -1 : 1;
  }

  /// The word of `sizeof(Word)` bytes at `at`, as it lies in memory.
  template <class Word>
  static Word LoadWord(const void* at) noexcept
  {
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
  }
  /// Copies `size` (at most 16) bytes as a word from each end, the two
  /// overlapping as needed: no call and no loop for the few bytes of an id or
  /// a number. All are read before any is written, so `from` may overlap `to`.
  static void CopyShort(void* destination, const char* from, std::size_t size) noexcept
  {
    auto* const to = static_cast<unsigned char*>(destination);
    const auto both = [&](auto word) {
      using Word = decltype(word);
      const Word head = LoadWord<Word>(from);
      const Word tail = LoadWord<Word>(from + size - sizeof(Word));
      std::memcpy(to, &head, sizeof head);
      std::memcpy(to + size - sizeof(Word), &tail, sizeof tail);
    };
    if (size >= 8)
      both(std::uint64_t());
    else if (size >= 4)
      both(std::uint32_t());
    else if (size >= 2)
      both(std::uint16_t());
    else if (size == 1)
      to[0] = static_cast<unsigned char>(from[0]);
  }

private:
  static constexpr std::size_t kInlineCapacity = 15;
  static constexpr unsigned char kHeapTag = 0x80;
  static constexpr unsigned char kBorrowedTag = 0x81;

  // The high bits of `size` (at most 16) bytes, or'ed together.
  static unsigned HighBitsOfShort(const char* bytes, std::size_t size) noexcept
  {
    const auto both = [&](auto word) {
      using Word = decltype(word);
      const Word highs = static_cast<Word>(0x8080808080808080ull);
      return static_cast<unsigned>(((LoadWord<Word>(bytes) | LoadWord<Word>(bytes + size - sizeof(Word))) & highs) != 0);
    };
    if (size >= 8) return both(std::uint64_t());
    if (size >= 4) return both(std::uint32_t());
    if (size >= 2) return both(std::uint16_t());
    return size == 1 ? static_cast<unsigned char>(bytes[0]) >> 7 : 0u;
  }

  bool IsHeap() const noexcept { return m_raw[kInlineCapacity] >= kHeapTag; }
  char* HeapData() const noexcept
  {
    char* data = nullptr;
    std::memcpy(&data, m_raw, sizeof data);
    return data;
  }
  std::uint32_t HeapSize() const noexcept
  {
    std::uint32_t size = 0;
    std::memcpy(&size, m_raw + 8, sizeof size);
    return size;
  }
  void Free() noexcept;
  void AssignElsewhere(std::string_view bytes);
  static bool IsUtf8Checked(std::string_view bytes) noexcept;
  void Release() noexcept;

  // Inline: bytes 0..14 hold the content and byte 15 its length. Elsewhere:
  // bytes 0..7 hold the pointer, bytes 8..11 the length, byte 15 kHeapTag for
  // an owned block or kBorrowedTag for borrowed memory.
  alignas(8) unsigned char m_raw[16];
};
