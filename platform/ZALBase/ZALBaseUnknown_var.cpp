#include "ZALBaseUnknown_var.h"

#include "ZALBaseUnknown.h"

#include <stdexcept>
#include <utility>

ZALBaseUnknown_var::ZALBaseUnknown_var(ZALBaseUnknown* object) : m_object(object)
{
  if (m_object) m_object->AddRef();
}

ZALBaseUnknown_var::ZALBaseUnknown_var(const ZALBaseUnknown_var& other) : ZALBaseUnknown_var(other.m_object) {}

ZALBaseUnknown_var::ZALBaseUnknown_var(ZALBaseUnknown_var&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}

ZALBaseUnknown_var& ZALBaseUnknown_var::operator=(const ZALBaseUnknown_var& other)
{
  ZALBaseUnknown_var copy(other);
  std::swap(m_object, copy.m_object);
  return *this;
}

ZALBaseUnknown_var& ZALBaseUnknown_var::operator=(ZALBaseUnknown_var&& other) noexcept
{
  std::swap(m_object, other.m_object);
  return *this;
}

ZALBaseUnknown_var::~ZALBaseUnknown_var()
{
  if (m_object) m_object->Release();
}

ZALBaseUnknown* ZALBaseUnknown_var::operator->() const
{
  if (!m_object) ThrowErrorNullVar();
  return m_object;
}

void ZALBaseUnknown_var::ThrowErrorNullVar()
{
  throw std::logic_error("A null ZALBaseUnknown_var was used");
}
