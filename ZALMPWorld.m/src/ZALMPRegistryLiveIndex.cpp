#include "ZALMPRegistryLiveIndex.h"

#include <bit>

namespace {

constexpr std::uint32_t kSlotsPerWord = 64;

std::uint32_t LowestBit(std::uint32_t node)
{
  return node & (~node + 1u);
}

std::uint64_t SlotBit(std::uint32_t slot)
{
  return std::uint64_t{1} << (slot % kSlotsPerWord);
}

/// The position of the `rank`-th set bit of `bits` (from 0, lowest first).
std::uint32_t NthSetBit(std::uint64_t bits, int rank)
{
  for (int skipped = 0; skipped < rank; ++skipped) bits &= bits - 1;
  return static_cast<std::uint32_t>(std::countr_zero(bits));
}

}  // namespace

void ZALMPRegistryLiveIndex::Append()
{
  if (m_slotCount % kSlotsPerWord == 0) {
    // The new word's node covers itself plus the nodes that tile the rest of its range.
    const std::uint32_t node = static_cast<std::uint32_t>(m_tree.size());
    const std::uint32_t rangeStart = node - LowestBit(node);
    int live = 0;
    for (std::uint32_t part = node - 1; part > rangeStart; part -= LowestBit(part)) live += m_tree[part];
    m_tree.push_back(live);
    m_liveBits.push_back(0);
  }
  m_liveBits.back() |= SlotBit(m_slotCount);
  AddToWord(m_slotCount / kSlotsPerWord, 1);
  ++m_slotCount;
  ++m_live;
}

void ZALMPRegistryLiveIndex::Vacate(std::uint32_t slot)
{
  m_liveBits[slot / kSlotsPerWord] &= ~SlotBit(slot);
  AddToWord(slot / kSlotsPerWord, -1);
  --m_live;
}

std::uint32_t ZALMPRegistryLiveIndex::FindLive(int index) const
{
  if (VacantCount() == 0) return static_cast<std::uint32_t>(index);
  // Descend to the last node whose prefix still holds at most `index` live slots:
  // the slot lies in the word after it.
  const std::uint32_t words = static_cast<std::uint32_t>(m_liveBits.size());
  std::uint32_t wordsBefore = 0;
  int rank = index;
  for (std::uint32_t step = std::bit_floor(words); step != 0; step >>= 1) {
    const std::uint32_t node = wordsBefore + step;
    if (node <= words && m_tree[node] <= rank) {
      wordsBefore = node;
      rank -= m_tree[node];
    }
  }
  return wordsBefore * kSlotsPerWord + NthSetBit(m_liveBits[wordsBefore], rank);
}

void ZALMPRegistryLiveIndex::Reset(std::uint32_t liveSlots)
{
  const std::uint32_t words = (liveSlots + kSlotsPerWord - 1) / kSlotsPerWord;
  m_liveBits.assign(words, ~std::uint64_t{0});
  if (liveSlots % kSlotsPerWord != 0) m_liveBits.back() = (std::uint64_t{1} << (liveSlots % kSlotsPerWord)) - 1;
  m_tree.assign(words + 1, 0);
  for (std::uint32_t node = 1; node <= words; ++node) {
    m_tree[node] += std::popcount(m_liveBits[node - 1]);
    const std::uint32_t parent = node + LowestBit(node);
    if (parent <= words) m_tree[parent] += m_tree[node];
  }
  m_slotCount = liveSlots;
  m_live = static_cast<int>(liveSlots);
}

void ZALMPRegistryLiveIndex::AddToWord(std::uint32_t word, int change)
{
  for (std::uint32_t node = word + 1; node < m_tree.size(); node += LowestBit(node)) m_tree[node] += change;
}
