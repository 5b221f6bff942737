#include "ZALBaseUnknown.h"

unsigned long ZALBaseUnknown::AddRef()
{
  return ++m_count;
}

unsigned long ZALBaseUnknown::Release()
{
  const unsigned long left = --m_count;
  if (left == 0) delete this;
  return left;
}

ZALBaseUnknown* ZALBaseUnknown::QueryImplementation(int query)
{
  return query == 0 ? this : nullptr;
}
