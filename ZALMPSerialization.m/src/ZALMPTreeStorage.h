#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// The memory of one input tree: taken from the heap in large blocks, handed
// out by moving a pointer, and given back all at once when the last element
// that uses it is gone. Nothing inside is given back on its own. One thread
// at a time, like the tree.
class ZALMPTreeStorage {
public:
  // A new storage, used by nobody yet: the first element made with it holds it.
  static ZALMPTreeStorage* Create() { return new ZALMPTreeStorage(); }

  void AddUser() noexcept { ++m_users; }
  // Gives the memory back when this was the last user.
  void RemoveUser() noexcept
  {
    if (--m_users == 0) delete this;
  }

  // Elements of this storage that are children of elements of this storage.
  void Attach() noexcept { ++m_attached; }
  void Detach() noexcept { --m_attached; }
  // Something in this storage must be ended on its own (an element type with
  // members of its own, a text kept on the heap).
  void NeedEnding() noexcept { m_plain = false; }
  // Whether the one user that is not a child inside may give the memory back
  // at once: every other user is then in its tree, and nothing needs ending.
  bool EndsWithLastRoot() const noexcept { return m_plain && m_users == m_attached + 1; }
  // Gives the memory back, whoever still uses it.
  void Drop() noexcept { delete this; }
  // Whether every user but one is a child inside: one tree holds them all.
  bool HoldsOneTree() const noexcept { return m_users == m_attached + 1; }
  // Whether nothing inside must be ended on its own.
  bool Plain() const noexcept { return m_plain; }
  // Takes the memory back for reuse once nothing but the one tree's root uses
  // it, and the root none of it: the blocks become one, the largest use seen.
  void Rewind() noexcept;

  // `source` is valid UTF-8 and outlives every element of this storage:
  // elements refer to the texts within it where they stand.
  void Lend(std::string_view source) noexcept { m_lent = source; }
  // Whether `bytes` lie within the lent source, cut at whole characters (and
  // so are valid UTF-8 themselves).
  bool Lends(std::string_view bytes) const noexcept
  {
    const auto begin = reinterpret_cast<std::uintptr_t>(m_lent.data());
    const auto at = reinterpret_cast<std::uintptr_t>(bytes.data());
    if (at < begin || at - begin > m_lent.size() || bytes.size() > m_lent.size() - (at - begin)) return false;
    const auto continues = [&](std::size_t offset) {
      return offset < m_lent.size() && (static_cast<unsigned char>(m_lent[offset]) & 0xC0) == 0x80;
    };
    const std::size_t offset = at - begin;
    return !continues(offset) && !continues(offset + bytes.size());
  }

  void* Allocate(std::size_t size, std::size_t alignment)
  {
    const auto address = reinterpret_cast<std::uintptr_t>(m_next);
    const std::uintptr_t aligned = (address + alignment - 1) & ~(static_cast<std::uintptr_t>(alignment) - 1);
    if (m_next && aligned + size <= reinterpret_cast<std::uintptr_t>(m_end)) {
      m_next = reinterpret_cast<std::byte*>(aligned + size);
      return reinterpret_cast<void*>(aligned);
    }
    return AllocateInNewBlock(size, alignment);
  }

private:
  void* AllocateInNewBlock(std::size_t size, std::size_t alignment);

  ZALMPTreeStorage() = default;
  ~ZALMPTreeStorage() = default;

  struct Block {
    std::unique_ptr<std::byte[]> memory;
    std::size_t size;
  };

  std::vector<Block> m_blocks;
  std::byte* m_next = nullptr;
  std::byte* m_end = nullptr;
  std::size_t m_blockSize = 16 * 1024;
  std::size_t m_users = 0;
  std::size_t m_attached = 0;
  bool m_plain = true;
  std::string_view m_lent;
};
