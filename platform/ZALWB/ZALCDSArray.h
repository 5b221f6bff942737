#pragma once
#include <ZALStatus.h>

#include <vector>

/// Growable array of the equation library (equation ids, variable lists ...).
template <class T>
class ZALCDSArray {
public:
  int GetSize() const { return static_cast<int>(m_items.size()); }
  bool IsEmpty() const { return m_items.empty(); }

  void Append(const T& item) { m_items.push_back(item); }
  void Clear() { m_items.clear(); }

  /// S_OK and the item at `index`; E_FAIL when `index` is outside [0, GetSize()),
  /// and `item` is then a value-initialised T.
  HRESULT Get(int index, T& item) const
  {
    if (index < 0 || index >= GetSize()) {
      item = T();
      return E_FAIL;
    }
    item = m_items[static_cast<std::size_t>(index)];
    return S_OK;
  }

  /// `index` must lie in [0, GetSize()).
  const T& operator[](int index) const { return m_items[static_cast<std::size_t>(index)]; }
  T& operator[](int index) { return m_items[static_cast<std::size_t>(index)]; }

  auto begin() const { return m_items.begin(); }
  auto end() const { return m_items.end(); }

private:
  std::vector<T> m_items;
};
