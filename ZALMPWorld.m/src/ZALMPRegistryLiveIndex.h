#pragma once
#include "ZALMPExport.h"

#include <cstdint>
#include <vector>

/// Which slots of an append-only slot array are still live: a slot is added
/// at the end, vacated anywhere, and the index-th live slot is found in
/// logarithmic time (directly while no slot is vacant). Live flags are kept as
/// bits, 64 slots to a word, with a Fenwick tree of live counts per word, so
/// the index stays small and a search touches few cache lines.
class ZALMP_EXPORT ZALMPRegistryLiveIndex {
public:
  /// Adds a live slot at the end.
  void Append();
  /// Marks the live slot `slot` vacant.
  void Vacate(std::uint32_t slot);
  /// The slot of the `index`-th live slot, counted from 0 in slot order;
  /// 0 <= index < LiveCount().
  std::uint32_t FindLive(int index) const;
  /// Starts again with `liveSlots` slots, all live.
  void Reset(std::uint32_t liveSlots);

  int LiveCount() const { return m_live; }
  std::uint32_t SlotCount() const { return m_slotCount; }
  std::uint32_t VacantCount() const { return m_slotCount - static_cast<std::uint32_t>(m_live); }

private:
  void AddToWord(std::uint32_t word, int change);

  std::vector<std::uint64_t> m_liveBits;  // bit b of word w: slot 64 w + b is live
  // Node n (from 1) counts the live slots of words n - lowbit(n) .. n - 1; node 0 is unused.
  std::vector<int> m_tree = std::vector<int>(1, 0);
  std::uint32_t m_slotCount = 0;
  int m_live = 0;
};
