#pragma once
#include "RVLNotificationAgent.h"
#include "RVLSharedHandle.h"

class RVLExtendibleObject;

/// An object that extends an extendible object, filed there under its class id.
class RVLExtensionObject : public RVLNotificationAgent {
  RVL_DECLARE_CLASS_INFO(RVLExtensionObject)
public:
  ~RVLExtensionObject() override;

  /// Files this object as the extension of `extendible` under getClassID(),
  /// replacing an earlier binding of either side.
  void bindExtension(const RVLSharedHandle<RVLExtendibleObject>& extendible);
  /// The object this one extends; null when unbound.
  RVLSharedHandle<RVLExtendibleObject> getExtendible() const;
  /// Leaves the extendible object; nothing happens when unbound.
  void unbindExtension();

  /// Members bound at creation; nothing to do by default.
  virtual void bindMembers() {}

protected:
  RVLExtensionObject() = default;
  /// A copy starts unbound.
  RVLExtensionObject(const RVLExtensionObject& other) : RVLNotificationAgent(other) {}
  void orphanMembers() override;

private:
  friend class RVLExtendibleObject;
  // Not counted: the extendible object holds this one and clears the link
  // before it lets go, so the pointer never dangles.
  RVLExtendibleObject* m_extendible = nullptr;
};
