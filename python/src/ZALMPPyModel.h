#pragma once
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>
#include <RVLSharedHandle.h>

#include <memory>

/// A world as Python holds it, with the host world it lives in (null for a
/// copy, which owns its host world). The world object and every entity taken
/// from the world share it, so the world, its registries and its entities'
/// links last while any of them is referenced from Python; the last one
/// destroys the world and then the host world, which orphans the entities.
class ZALMPPyModel {
public:
  ZALMPPyModel(RVLSharedHandle<RVLBasicWorld> hostWorld, RVLSharedHandle<ZALMPWorld> world);
  ~ZALMPPyModel();
  ZALMPPyModel(const ZALMPPyModel&) = delete;
  ZALMPPyModel& operator=(const ZALMPPyModel&) = delete;

  /// A new empty world in a new host world.
  static std::shared_ptr<ZALMPPyModel> MakeEmpty();

  ZALMPWorld& World() const { return *m_world; }
  const RVLSharedHandle<ZALMPWorld>& WorldHandle() const { return m_world; }

private:
  RVLSharedHandle<RVLBasicWorld> m_hostWorld;
  RVLSharedHandle<ZALMPWorld> m_world;
};

using ZALMPPyModelShare = std::shared_ptr<ZALMPPyModel>;
