#pragma once
#include "RVLBasicEntity.h"
#include "RVLSharedHandle.h"

#include <string>

/// The host's world: the root entity that extensions such as a model world bind to.
class RVLBasicWorld : public RVLBasicEntity {
  RVL_DECLARE_CLASS_INFO(RVLBasicWorld)
public:
  /// A new, empty world named `name`.
  static RVLSharedHandle<RVLBasicWorld> create(const std::wstring& name);
  /// Orphans the world and nulls the handle.
  static void destroy(RVLSharedHandle<RVLBasicWorld>& world);

  /// A world is its own world.
  RVLSharedHandle<RVLBasicWorld> getWorld() const override;

protected:
  RVLBasicWorld() = default;
  /// A world owns its logical children: it orphans each of them (which breaks
  /// the links they hold on one another), then lets go of its extensions.
  void orphanMembers() override;
};
