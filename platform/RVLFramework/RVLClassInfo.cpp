#include "RVLClassInfo.h"

bool RVLClassInfo::isDerivedFrom(const RVLClassInfo& other) const
{
  if (this == &other) return true;
  if (m_base && m_base->isDerivedFrom(other)) return true;
  return m_secondBase && m_secondBase->isDerivedFrom(other);
}
