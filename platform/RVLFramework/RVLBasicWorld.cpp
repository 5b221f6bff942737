#include "RVLBasicWorld.h"

RVL_DEFINE_CLASS_INFO(RVLBasicWorld, RVLBasicEntity)

namespace {
// The world's constructor is protected; this is its one maker.
class ConstructibleWorld final : public RVLBasicWorld {};
}  // namespace

RVLSharedHandle<RVLBasicWorld> RVLBasicWorld::create(const std::wstring& name)
{
  RVLSharedHandle<RVLBasicWorld> world(new ConstructibleWorld());
  world->setEntityName(name);
  return world;
}

void RVLBasicWorld::destroy(RVLSharedHandle<RVLBasicWorld>& world)
{
  if (world) world->orphanObject();
  world.Release();
}

RVLSharedHandle<RVLBasicWorld> RVLBasicWorld::getWorld() const
{
  return RVLSharedHandle<RVLBasicWorld>(const_cast<RVLBasicWorld*>(this));
}

void RVLBasicWorld::orphanMembers()
{
  for (const RVLSharedHandle<RVLBasicEntity>& child : takeLogicalChildren()) child->orphanObject();
  RVLBasicEntity::orphanMembers();
}
