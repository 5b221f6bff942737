#include "ZALTRVObjectList.h"

ZALITRVObject* ZALTRVObjectList::operator[](int index) const
{
  if (index < 0 || index >= Size()) return nullptr;
  return m_objects[static_cast<std::size_t>(index)].get();
}

ZALITRVObject* ZALTRVObjectList::Item(int position) const
{
  return (*this)[position - 1];
}

HRESULT ZALTRVObjectList::Append(ZALITRVObject* object)
{
  if (!object) return E_FAIL;
  m_objects.emplace_back(object);
  return S_OK;
}

void ZALTRVObjectList::RemoveAll()
{
  m_objects.clear();
}
