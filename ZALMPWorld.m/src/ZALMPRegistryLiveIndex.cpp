#include <ZALMPRegistryLiveIndex.h>

#include <bit>

namespace {

std::uint32_t LowestBit(std::uint32_t node)
{
  return node & (~node + 1u);
}

}  // namespace

void ZALMPRegistryLiveIndex::Append()
{
  // The new node covers itself plus the nodes that tile the rest of its range.
  const std::uint32_t node = static_cast<std::uint32_t>(m_tree.size());
  const std::uint32_t rangeStart = node - LowestBit(node);
  int live = 1;
  for (std::uint32_t part = node - 1; part > rangeStart; part -= LowestBit(part)) live += m_tree[part];
  m_tree.push_back(live);
  ++m_live;
}

void ZALMPRegistryLiveIndex::Vacate(std::uint32_t slot)
{
  for (std::uint32_t node = slot + 1; node < m_tree.size(); node += LowestBit(node)) --m_tree[node];
  --m_live;
}

std::uint32_t ZALMPRegistryLiveIndex::FindLive(int index) const
{
  if (VacantCount() == 0) return static_cast<std::uint32_t>(index);
  // Descend to the last node whose prefix still holds fewer than index + 1 live slots.
  const std::uint32_t slots = SlotCount();
  std::uint32_t before = 0;
  int wanted = index + 1;
  for (std::uint32_t step = std::bit_floor(slots); step != 0; step >>= 1) {
    const std::uint32_t node = before + step;
    if (node <= slots && m_tree[node] < wanted) {
      before = node;
      wanted -= m_tree[node];
    }
  }
  return before;
}

void ZALMPRegistryLiveIndex::Reset(std::uint32_t liveSlots)
{
  m_tree.assign(liveSlots + 1, 1);
  m_tree[0] = 0;
  for (std::uint32_t node = 1; node <= liveSlots; ++node) {
    const std::uint32_t parent = node + LowestBit(node);
    if (parent <= liveSlots) m_tree[parent] += m_tree[node];
  }
  m_live = static_cast<int>(liveSlots);
}
