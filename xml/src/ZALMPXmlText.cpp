#include "ZALMPXmlText.h"

#include "ZALMPXmlSystemError.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Asks the system to back the large block at `begin` with huge pages where it
// offers them on request: a large model file then takes a few hundred page
// faults instead of one per 4 KiB.
void PreferHugePages([[maybe_unused]] const char* begin, [[maybe_unused]] std::size_t size)
{
#if defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kHuge = std::uintptr_t{1} << 21;
  const auto start = reinterpret_cast<std::uintptr_t>(begin);
  const std::uintptr_t first = (start + kHuge - 1) & ~(kHuge - 1);
  const std::uintptr_t last = (start + size) & ~(kHuge - 1);
  if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace

ZALMPXmlText::ZALMPXmlText(std::string_view text)
{
  Reserve(text.size());
  std::memcpy(m_data.get(), text.data(), text.size());
  m_size = text.size();
  m_data[m_size] = '\0';
}

void ZALMPXmlText::Reserve(std::size_t capacity)
{
  // Not value-initialized: every character is written before it is read.
  auto grown = std::make_unique_for_overwrite<char[]>(capacity + 1);
  PreferHugePages(grown.get(), capacity + 1);
  if (m_size > 0) std::memcpy(grown.get(), m_data.get(), m_size);
  m_data = std::move(grown);
  m_capacity = capacity;
}

ZALMPXmlResult ZALMPXmlText::ReadFile(const std::filesystem::path& path, const ZALMPXmlCodec::BytesDone& read)
{
  *this = ZALMPXmlText();
  const auto failed = [&path](int error) {
    return ZALMPXmlResult::Failure(ZALMPXmlSystemError("cannot read", path, error));
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return failed(errno);
  struct stat info {};
  const std::uint64_t expected =
      ::fstat(fd, &info) == 0 && info.st_size > 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
  // One byte more than the file's size: a file that has not grown since ends
  // in a read of nothing without a second block.
  Reserve(static_cast<std::size_t>(expected) + 1);
  while (true) {
    if (m_size == m_capacity) Reserve(std::max<std::size_t>(m_capacity * 2, std::size_t{1} << 16));
    const ssize_t got = ::read(fd, m_data.get() + m_size, m_capacity - m_size);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      *this = ZALMPXmlText();
      return failed(error);
    }
    m_size += static_cast<std::size_t>(got);
    if (read) read(m_size, expected);
  }
  ::close(fd);
  m_data[m_size] = '\0';
  return {};
}
