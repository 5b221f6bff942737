#include "RVLDynamicObject.h"

const RVLClassInfo RVLDynamicObject::ClassInfo_("RVLDynamicObject", sizeof(RVLDynamicObject), nullptr, nullptr, nullptr);

void RVLDynamicObject::orphanObject()
{
  if (isBeingOrphaned()) return;
  m_orphanState = OrphanState::BeingOrphaned;
  orphanMembers();
  m_orphanState = OrphanState::Orphaned;
}

const RVLUUID& RVLDynamicObject::getClassID() const
{
  static constexpr RVLUUID kNone;
  return kNone;
}
