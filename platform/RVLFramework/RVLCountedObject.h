#pragma once
#include "RVLDynamicObject.h"

/// An object that lives while counted handles hold it and is deleted when the
/// last one lets go.
class RVLCountedObject : public RVLDynamicObject {
  RVL_DECLARE_CLASS_INFO(RVLCountedObject)
public:
  void addReference() const noexcept { ++m_references; }
  /// Deletes the object when the count reaches zero.
  void removeReference() const noexcept
  {
    if (--m_references == 0) delete this;
  }
  int getReferenceCount() const noexcept { return m_references; }

protected:
  RVLCountedObject() = default;
  /// A copy is a new object: nobody holds it yet.
  RVLCountedObject(const RVLCountedObject& other) : RVLDynamicObject(other) {}
  RVLCountedObject& operator=(const RVLCountedObject&) { return *this; }

private:
  mutable int m_references = 0;
};
