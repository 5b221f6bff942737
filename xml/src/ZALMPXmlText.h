#pragma once
#include <ZALMPXmlCodec.h>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>

// A document's text as the reader holds it: its characters and a NUL after
// the last one, which ends every scan. Read from a file, the characters are
// written once, by the system: neither copied from a piece read elsewhere nor
// filled with zeros first, as a std::string would be.
class ZALMPXmlText {
public:
  ZALMPXmlText() = default;
  // A copy of `text`.
  explicit ZALMPXmlText(std::string_view text);
  ZALMPXmlText(ZALMPXmlText&& other) noexcept { *this = std::move(other); }
  ZALMPXmlText& operator=(ZALMPXmlText&& other) noexcept
  {
    m_data = std::move(other.m_data);
    m_size = std::exchange(other.m_size, 0);
    m_capacity = std::exchange(other.m_capacity, 0);
    return *this;
  }

  // Replaces the text by the whole file at `path`. When it cannot, the text
  // is empty and the message names the file and the system's reason. `read`
  // hears of the bytes read so far.
  ZALMPXmlResult ReadFile(const std::filesystem::path& path, const ZALMPXmlCodec::BytesDone& read = {});

  const char* Data() const { return m_data ? m_data.get() : ""; }
  std::size_t Size() const { return m_size; }
  std::string_view View() const { return {Data(), m_size}; }

private:
  // Room for `capacity` characters and the NUL, keeping the first `m_size`.
  void Reserve(std::size_t capacity);

  std::unique_ptr<char[]> m_data;
  std::size_t m_size = 0;
  std::size_t m_capacity = 0;
};
