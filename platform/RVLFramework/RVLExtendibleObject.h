#pragma once
#include "RVLNotificationAgent.h"
#include "RVLSharedHandle.h"
#include "RVLUUID.h"

#include <utility>
#include <vector>

class RVLExtensionObject;

/// An object that carries extensions, each filed under a UUID.
class RVLExtendibleObject : public RVLNotificationAgent {
  RVL_DECLARE_CLASS_INFO(RVLExtendibleObject)
public:
  ~RVLExtendibleObject() override;

  bool hasExtension(const RVLUUID& id) const;
  /// The extension filed under `id`, or null.
  RVLSharedHandle<RVLExtensionObject> getExtension(const RVLUUID& id) const;

protected:
  RVLExtendibleObject();
  /// A copy starts without extensions.
  RVLExtendibleObject(const RVLExtendibleObject& other);
  /// Lets go of every extension (they stay alive while others hold them).
  void orphanMembers() override;

private:
  friend class RVLExtensionObject;
  void attach(const RVLUUID& id, RVLExtensionObject* extension);
  void detach(const RVLExtensionObject* extension);
  void detachAll();

  std::vector<std::pair<RVLUUID, RVLSharedHandle<RVLExtensionObject>>> m_extensions;
};
