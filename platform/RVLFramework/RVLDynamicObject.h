#pragma once
#include "RVLClassInfo.h"
#include "RVLUUID.h"

#include <cstdint>

/// Root of every framework object: class record, copying and orphaning.
class RVLDynamicObject {
public:
  /// How deep a copy goes; each class decides what the modes mean for its own fields.
  enum CopyMode { ShallowCopy = 0, DeepCopy = 1 };

  static const RVLClassInfo ClassInfo_;
  static const RVLClassInfo& ClassInfo() { return ClassInfo_; }
  static const char* ClassName() { return ClassInfo_.getClassName(); }

  virtual const char* getClassName() const { return ClassInfo_.getClassName(); }
  virtual const RVLClassInfo& getClassInfo() const { return ClassInfo_; }
  virtual bool isInstanceOf(const RVLClassInfo& other) const { return ClassInfo_.isInstanceOf(other); }
  virtual bool isDerivedFrom(const RVLClassInfo& other) const { return ClassInfo_.isDerivedFrom(other); }

  /// Cuts the object from its owners. Does nothing once the object is marked
  /// as being orphaned (or orphaned), so a second call is harmless.
  virtual void orphanObject();

  virtual ~RVLDynamicObject() = default;

  /// A new copy of this object holding one reference, which the caller drops
  /// after wrapping it in a handle; null when the class cannot be copied.
  RVLDynamicObject* replicateObject() const { return _replicateObject(); }
  RVLDynamicObject* duplicateObject(CopyMode mode) const { return _duplicateObject(mode); }

  /// The class id of the most derived class that has one; the null UUID otherwise.
  virtual const RVLUUID& getClassID() const;

  /// True from the start of orphanObject on.
  bool isBeingOrphaned() const { return m_orphanState != OrphanState::Alive; }
  /// True once orphanObject has finished.
  bool isOrphaned() const { return m_orphanState == OrphanState::Orphaned; }

protected:
  RVLDynamicObject() = default;
  /// A copy starts alive, whatever the state of its source.
  RVLDynamicObject(const RVLDynamicObject&) {}
  RVLDynamicObject& operator=(const RVLDynamicObject&) { return *this; }

  virtual RVLDynamicObject* _replicateObject() const { return _duplicateObject(ShallowCopy); }
  virtual RVLDynamicObject* _duplicateObject(CopyMode) const { return nullptr; }

  /// Releases what the object holds of others; run once by orphanObject.
  virtual void orphanMembers() {}

private:
  enum class OrphanState : std::uint8_t { Alive, BeingOrphaned, Orphaned };
  OrphanState m_orphanState = OrphanState::Alive;
};
