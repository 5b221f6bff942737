#include "RVLExtensionObject.h"

#include "RVLExtendibleObject.h"

RVL_DEFINE_CLASS_INFO(RVLExtensionObject, RVLNotificationAgent)

RVLExtensionObject::~RVLExtensionObject() = default;

void RVLExtensionObject::bindExtension(const RVLSharedHandle<RVLExtendibleObject>& extendible)
{
  if (extendible.get() == m_extendible) return;
  // Keep this object alive while it moves from one extendible object to another.
  const RVLSharedHandle<RVLExtensionObject> self(getReferenceCount() > 0 ? this : nullptr);
  unbindExtension();
  if (!extendible) return;
  extendible->attach(getClassID(), this);
  m_extendible = extendible.get();
}

RVLSharedHandle<RVLExtendibleObject> RVLExtensionObject::getExtendible() const
{
  return RVLSharedHandle<RVLExtendibleObject>(m_extendible);
}

void RVLExtensionObject::unbindExtension()
{
  RVLExtendibleObject* extendible = m_extendible;
  if (!extendible) return;
  // The extendible object may hold the last handle to this one.
  const RVLSharedHandle<RVLExtensionObject> self(this);
  m_extendible = nullptr;
  extendible->detach(this);
}

void RVLExtensionObject::orphanMembers()
{
  unbindExtension();
  RVLNotificationAgent::orphanMembers();
}
