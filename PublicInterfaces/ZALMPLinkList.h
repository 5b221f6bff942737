#pragma once
#include "ZALMPAssertionReport.h"
#include "ZALMPSourceLocation.h"

#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>
#include <ZALStatus.h>

#include <algorithm>
#include <cstddef>

/// An ordered list of links to other entities, each referent at most once: the
/// one mechanism behind every Add/Remove/Get/Count of entity links. Failures are
/// reported at the caller's location.
template <class T>
class ZALMPLinkList {
public:
  /// S_OK: appended. S_FALSE: already in the list. E_FAIL: empty handle (reported).
  HRESULT Add(const RVLSharedHandle<T>& link, ZALMPSourceLocation where)
  {
    if (!link) return Fail(where);
    if (Contains(link)) return S_FALSE;
    m_links.push_back(link);
    return S_OK;
  }

  /// S_OK: removed. S_FALSE: not in the list. E_FAIL: empty handle (reported).
  HRESULT Remove(const RVLSharedHandle<T>& link, ZALMPSourceLocation where)
  {
    if (!link) return Fail(where);
    const auto found = std::find(m_links.begin(), m_links.end(), link);
    if (found == m_links.end()) return S_FALSE;
    m_links.erase(found);
    return S_OK;
  }

  /// S_OK and the link at `index`; E_FAIL and a null handle outside [0, Count()).
  /// Not reported: callers probe indices to find the end.
  HRESULT Get(int index, RVLSharedHandle<T>& link) const
  {
    if (index < 0 || index >= Count()) {
      link.Release();
      return E_FAIL;
    }
    link = m_links[static_cast<std::size_t>(index)];
    return S_OK;
  }

  /// S_OK: `link` inserted before position `index` (0 to Count(); no test
  /// for a link already there). E_FAIL: empty handle or index outside (reported).
  HRESULT Insert(int index, const RVLSharedHandle<T>& link, ZALMPSourceLocation where)
  {
    if (!link || index < 0 || index > Count()) return Fail(where);
    m_links.insert(m_links.begin() + index, link);
    return S_OK;
  }

  /// S_OK: the entry at `index` holds `link` from now on (an empty handle or
  /// one already elsewhere in the list too: not checked). E_FAIL outside
  /// [0, Count()), not reported: the caller says what the failure means.
  HRESULT Replace(int index, const RVLSharedHandle<T>& link)
  {
    if (index < 0 || index >= Count()) return E_FAIL;
    m_links[static_cast<std::size_t>(index)] = link;
    return S_OK;
  }

  int Count() const { return static_cast<int>(m_links.size()); }
  /// The position of `link`; -1 when it is not in the list.
  int IndexOf(const RVLSharedHandle<T>& link) const
  {
    const auto found = std::find(m_links.begin(), m_links.end(), link);
    return found == m_links.end() ? -1 : static_cast<int>(found - m_links.begin());
  }
  bool Contains(const RVLSharedHandle<T>& link) const { return IndexOf(link) >= 0; }
  void Clear() { m_links.clear(); }
  const RVLSharedVector<T>& Links() const { return m_links; }

private:
  static HRESULT Fail(ZALMPSourceLocation where)
  {
    ZALMPAssertionReport("", where.file, where.line);
    return E_FAIL;
  }

  RVLSharedVector<T> m_links;
};

/// The one-handle twin of ZALMPLinkList::Add: S_OK when `link` is held from
/// now on; E_FAIL for an empty `link` (reported), and the held partner stays.
template <class T>
HRESULT ZALMPSetLink(RVLSharedHandle<T>& held, const RVLSharedHandle<T>& link, ZALMPSourceLocation where)
{
  if (!link) {
    ZALMPAssertionReport("", where.file, where.line);
    return E_FAIL;
  }
  held = link;
  return S_OK;
}

/// The one-handle twin of ZALMPLinkList::Get: S_OK and the held partner;
/// E_FAIL and a null handle when there is none (not reported: callers ask to
/// learn whether there is one).
template <class T>
HRESULT ZALMPGetLink(const RVLSharedHandle<T>& held, RVLSharedHandle<T>& link)
{
  link = held;
  return link ? S_OK : E_FAIL;
}

/// As ZALMPGetLink, for a partner that must be there: its absence is reported at `where`.
template <class T>
HRESULT ZALMPGetRequiredLink(const RVLSharedHandle<T>& held, RVLSharedHandle<T>& link, ZALMPSourceLocation where)
{
  if (SUCCEEDED(ZALMPGetLink(held, link))) return S_OK;
  ZALMPAssertionReport("", where.file, where.line);
  return E_FAIL;
}

/// Asks each of `partners` in turn with `ask` (which takes the partner and
/// gives its answer). A partner no longer alive is reported at `where` and
/// gives E_FAIL. The first negative answer ends it and is returned, else the
/// last answer, or `previous` when there is no partner. Walks a copy: a
/// partner may change the list it came from while it answers.
template <class T, class Ask>
HRESULT ZALMPAskEach(const RVLSharedVector<T> partners, HRESULT previous, const Ask& ask, ZALMPSourceLocation where)
{
  HRESULT status = previous;
  for (const RVLSharedHandle<T>& partner : partners) {
    if (!partner.IsAlive()) {
      ZALMPAssertionReport("", where.file, where.line);
      return E_FAIL;
    }
    status = ask(*partner);
    if (FAILED(status)) return status;
  }
  return status;
}

/// The one-handle twin of ZALMPLinkList::Remove: S_OK when `link` is the held
/// partner (then let go), S_FALSE for another, E_FAIL for an empty `link` (reported).
template <class T>
HRESULT ZALMPRemoveLink(RVLSharedHandle<T>& held, const RVLSharedHandle<T>& link, ZALMPSourceLocation where)
{
  if (!link) {
    ZALMPAssertionReport("", where.file, where.line);
    return E_FAIL;
  }
  if (!(link == held)) return S_FALSE;
  held.Release();
  return S_OK;
}

/// Defines the four operations of a link list member of `Class` (add, remove,
/// count, indexed get), reporting at the line of the definition.
#define ZALMP_DEFINE_LINK_LIST_OPERATIONS(Class, Partner, member, AddOp, RemoveOp, CountOp, GetOp)          \
  HRESULT Class::AddOp(const RVLSharedHandle<Partner>& link) { return member.Add(link, ZALMP_HERE); }       \
  HRESULT Class::RemoveOp(const RVLSharedHandle<Partner>& link) { return member.Remove(link, ZALMP_HERE); } \
  int Class::CountOp() const { return member.Count(); }                                                     \
  HRESULT Class::GetOp(int index, RVLSharedHandle<Partner>& link) const { return member.Get(index, link); } \
  static_assert(true, "")
