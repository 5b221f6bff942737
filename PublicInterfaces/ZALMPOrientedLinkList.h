#pragma once
#include "ZALMPBodyOrientation.h"
#include "ZALMPLinkList.h"
#include "ZALMPSourceLocation.h"

#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>
#include <ZALStatus.h>

#include <cstddef>
#include <vector>

/// A link list whose every entry also carries an orientation: how a joint
/// sees each of its bodies. An entry and its orientation come and go together.
template <class T>
class ZALMPOrientedLinkList {
public:
  /// S_OK: appended with `orientation`. S_FALSE: already there (its first
  /// orientation stays). E_FAIL: an empty handle (reported at `where`).
  HRESULT Add(const RVLSharedHandle<T>& link, ZALMPBodyOrientation::Enum orientation, ZALMPSourceLocation where)
  {
    const HRESULT status = m_links.Add(link, where);
    if (status == S_OK) m_orientations.push_back(orientation);
    return status;
  }

  /// S_OK: removed with its orientation. S_FALSE: not there. E_FAIL: an empty
  /// handle (reported at `where`).
  HRESULT Remove(const RVLSharedHandle<T>& link, ZALMPSourceLocation where)
  {
    const int index = m_links.IndexOf(link);
    const HRESULT status = m_links.Remove(link, where);
    if (status == S_OK) m_orientations.erase(m_orientations.begin() + index);
    return status;
  }

  /// S_OK and the entry at `index` (and its orientation); E_FAIL and a null
  /// handle outside [0, Count()), the orientation untouched. Not reported.
  HRESULT Get(int index, RVLSharedHandle<T>& link) const { return m_links.Get(index, link); }
  HRESULT Get(int index, RVLSharedHandle<T>& link, ZALMPBodyOrientation::Enum& orientation) const
  {
    if (FAILED(m_links.Get(index, link))) return E_FAIL;
    orientation = m_orientations[static_cast<std::size_t>(index)];
    return S_OK;
  }

  int Count() const { return m_links.Count(); }
  const RVLSharedVector<T>& Links() const { return m_links.Links(); }
  /// The orientation of the entry at `index`, which must be in the list.
  ZALMPBodyOrientation::Enum OrientationAt(int index) const { return m_orientations[static_cast<std::size_t>(index)]; }
  void Clear()
  {
    m_links.Clear();
    m_orientations.clear();
  }

private:
  ZALMPLinkList<T> m_links;
  std::vector<ZALMPBodyOrientation::Enum> m_orientations;  // one per entry, same index
};
