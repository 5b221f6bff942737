#include <ZALMPWorld.h>

ZALMP_DEFINE_CLASS_WITH_CREATOR(ZALMPWorld, RVLExtensionObject, &ZALMPWorld::_CreateObject);

ZALMPWorld::ZALMPWorld() = default;

ZALMPWorld::~ZALMPWorld() = default;

RVLSharedHandle<ZALMPWorld> ZALMPWorld::create(const RVLSharedHandle<RVLBasicWorld>& hostWorld)
{
  RVLSharedHandle<ZALMPWorld> world(new ZALMPWorld());
  world->bindExtension(hostWorld);
  return world;
}

RVLDynamicObject* ZALMPWorld::_CreateObject()
{
  return new ZALMPWorld();
}
