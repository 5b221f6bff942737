#pragma once
#include "ZALMPExport.h"

#include <RVLSharedHandle.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ZALMPEntity;

/// Stored identifier -> entity, built by the model reader before any entity reads
/// its references, so that a reference resolves whatever the order of the file.
///
/// A flat hashed table, used as an std::unordered_map of the same types: a large
/// model's references are looked up all over it, and each lookup costs one
/// visit to the table and one to the entry (a tree would cost one per level, a
/// node-based hash table three). Entries keep their place for the map's life
/// and are walked in the order they were added.
class ZALMP_EXPORT ZALMPIdentifierMap {
public:
  using key_type = std::wstring;
  using mapped_type = RVLSharedHandle<ZALMPEntity>;
  using value_type = std::pair<const std::wstring, mapped_type>;
  using iterator = std::deque<value_type>::iterator;
  using const_iterator = std::deque<value_type>::const_iterator;

  ZALMPIdentifierMap();
  /// The first of two entries with one identifier is kept.
  ZALMPIdentifierMap(std::initializer_list<value_type> entries);
  ZALMPIdentifierMap(const ZALMPIdentifierMap& other);
  ZALMPIdentifierMap(ZALMPIdentifierMap&& other) noexcept;
  ZALMPIdentifierMap& operator=(const ZALMPIdentifierMap& other);
  ZALMPIdentifierMap& operator=(ZALMPIdentifierMap&& other) noexcept;
  ~ZALMPIdentifierMap();

  std::size_t size() const noexcept { return m_entries.size(); }
  bool empty() const noexcept { return m_entries.empty(); }
  /// Makes room for `count` entries, so that adding them takes no rehashing.
  void reserve(std::size_t count);
  void clear() noexcept;

  /// The entity of `identifier`, added empty when there is none.
  mapped_type& operator[](const std::wstring& identifier);
  mapped_type& operator[](std::wstring&& identifier);

  iterator find(std::wstring_view identifier);
  const_iterator find(std::wstring_view identifier) const;
  /// The entry of the identifier whose element tree text (ZALMPCompactText's
  /// encoding) is `encoded`, as `find` of its wide text: a reader looks up
  /// the identifiers of its references without converting them.
  const_iterator findEncoded(std::string_view encoded) const;
  std::size_t count(std::wstring_view identifier) const { return find(identifier) == end() ? 0 : 1; }

  iterator begin() noexcept { return m_entries.begin(); }
  iterator end() noexcept { return m_entries.end(); }
  const_iterator begin() const noexcept { return m_entries.begin(); }
  const_iterator end() const noexcept { return m_entries.end(); }

private:
  // One place of the table: the identifier's 32-bit hash and 1 + its entry's index (0: free).
  struct Slot {
    std::uint32_t hash;
    std::uint32_t entry;
  };

  // An identifier hashes as the low bytes of its units, which are the bytes
  // of its encoded text when it is ASCII, as identifiers nearly always are;
  // any other unit mixes in more.
  static std::uint32_t Hash(std::wstring_view identifier);
  static std::uint32_t HashAscii(std::string_view bytes) noexcept;
  // The slot that holds the identifier `same` finds in an entry, or the free one where it would go.
  template <class Same>
  std::size_t Place(std::uint32_t hash, Same same) const noexcept;
  std::size_t Place(std::wstring_view identifier, std::uint32_t hash) const noexcept;
  iterator Find(std::wstring_view identifier, std::uint32_t hash);
  mapped_type& Add(std::wstring&& identifier, std::uint32_t hash);
  void Rehash(std::size_t slots);

  std::deque<value_type> m_entries;
  std::vector<Slot> m_slots;  // a power of two long, at most half full
};
