#pragma once
#include "ZALITRVObject.h"

#include <ZALBaseUnknownRef.h>
#include <ZALStatus.h>

#include <vector>

/// An ordered list of modeller objects, holding one reference on each.
///
/// It answers two ways of counting, both for the same objects: operator[]
/// counts from 0, as the standard containers do, and Item counts positions
/// from 1, as the modeller's lists always have. The first object is thus
/// list[0] and list.Item(1).
class ZALTRVObjectList {
public:
  int Size() const { return static_cast<int>(m_objects.size()); }
  /// The object at `index`, from 0 to Size() - 1; null outside. No reference for the caller.
  ZALITRVObject* operator[](int index) const;
  /// The object at `position`, from 1 to Size(); null outside. No reference for the caller.
  ZALITRVObject* Item(int position) const;

  /// Appends `object` and takes a reference on it. S_OK. E_FAIL: null; nothing changes.
  HRESULT Append(ZALITRVObject* object);
  /// Drops every object, releasing its reference.
  void RemoveAll();

private:
  std::vector<ZALBaseUnknownRef<ZALITRVObject>> m_objects;
};
