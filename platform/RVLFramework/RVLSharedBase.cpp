#include "RVLSharedBase.h"

#include "RVLCountedObject.h"
#include "RVLEInvalidCast.h"

void RVLSharedBase::AcquireReference(const RVLCountedObject* object) noexcept
{
  if (object) object->addReference();
}

void RVLSharedBase::ReleaseReference(const RVLCountedObject* object) noexcept
{
  if (object) object->removeReference();
}

bool RVLSharedBase::IsReferentAlive(const RVLCountedObject* object) noexcept
{
  return object && !object->isOrphaned();
}

void RVLSharedBase::ThrowInvalidCast(const char* sourceClass, const char* targetClass)
{
  throw RVLEInvalidCast(sourceClass ? sourceClass : "", targetClass ? targetClass : "");
}
