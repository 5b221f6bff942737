#include "ZALMPTreeStorage.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace {

// Blocks grow to this size; bigger requests get a block of their own size.
// Blocks of this size also fit memory that a parser gives back as it goes.
constexpr std::size_t kLargestBlock = 32 * 1024;

}  // namespace

void* ZALMPTreeStorage::AllocateInNewBlock(std::size_t size, std::size_t alignment)
{
  const std::size_t blockSize = std::max(m_blockSize, size + alignment);
  m_blocks.push_back({std::make_unique_for_overwrite<std::byte[]>(blockSize), blockSize});
  m_next = m_blocks.back().memory.get();
  m_end = m_next + blockSize;
  if (m_blockSize < kLargestBlock) m_blockSize *= 2;
  const auto address = reinterpret_cast<std::uintptr_t>(m_next);
  const std::uintptr_t aligned = (address + alignment - 1) & ~(static_cast<std::uintptr_t>(alignment) - 1);
  m_next = reinterpret_cast<std::byte*>(aligned + size);
  return reinterpret_cast<void*>(aligned);
}

void ZALMPTreeStorage::Rewind() noexcept
{
  m_users = 1;
  m_attached = 0;
  m_plain = true;
  if (m_blocks.size() > 1) {
    // One block as large as all of them: the next tree of that size fits.
    std::size_t total = 0;
    for (const Block& block : m_blocks) total += block.size;
    try {
      m_blocks.front() = {std::make_unique_for_overwrite<std::byte[]>(total), total};
    } catch (const std::bad_alloc&) {
      // The first block serves again, the others come back as they are needed.
    }
    m_blocks.resize(1);
  }
  if (!m_blocks.empty()) {
    m_next = m_blocks.front().memory.get();
    m_end = m_next + m_blocks.front().size;
  }
}
