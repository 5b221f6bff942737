#pragma once
#include <ZALMPCompactText.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

/// The text an XML writer prints, appended to in small pieces: a model of a
/// million elements takes several million appends (a '<', a name, a number),
/// so an append is a bounds check and a copy that needs no call for the few
/// bytes of a name or a number.
class ZALMPXmlOutput {
public:
  ZALMPXmlOutput() = default;
  ZALMPXmlOutput(const ZALMPXmlOutput&) = delete;
  ZALMPXmlOutput& operator=(const ZALMPXmlOutput&) = delete;

  /// Room for `size` more bytes at the end: write them there, then `Extend`.
  /// The room is valid until the next append.
  char* Room(std::size_t size)
  {
    if (size > static_cast<std::size_t>(m_limit - m_end)) Grow(size);
    return m_end;
  }
  /// Takes the bytes written into the room up to `end`.
  void Extend(char* end) noexcept { m_end = end; }

  void Append(std::string_view piece)
  {
    char* const to = Room(piece.size());
    Copy(to, piece.data(), piece.size());
    m_end = to + piece.size();
  }
  void Append(char c)
  {
    *Room(1) = c;
    ++m_end;
  }
  void AppendRepeated(std::size_t count, char c)
  {
    char* const to = Room(count);
    std::memset(to, c, count);
    m_end = to + count;
  }

  std::string_view View() const noexcept { return {m_data.get(), Size()}; }
  std::size_t Size() const noexcept { return static_cast<std::size_t>(m_end - m_data.get()); }
  /// Empties the text, keeping its memory.
  void Clear() noexcept { m_end = m_data.get(); }
  /// Makes room for `size` bytes in all.
  void Reserve(std::size_t size)
  {
    if (size > Size()) Room(size - Size());
  }

private:
  static void Copy(char* to, const char* from, std::size_t size) noexcept
  {
    if (size > 16)
      std::memcpy(to, from, size);
    else
      ZALMPCompactText::CopyShort(to, from, size);
  }
  void Grow(std::size_t size);

  std::unique_ptr<char[]> m_data;
  char* m_end = nullptr;
  char* m_limit = nullptr;
};
