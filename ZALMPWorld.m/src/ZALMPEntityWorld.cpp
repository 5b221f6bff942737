#define ZALMP_SOURCE_FILE "ZALMPWorld.m/src/ZALMPEntityWorld"
#include <ZALMPAssertionReport.h>

#include <ZALMPBody.h>
#include <ZALMPEntity.h>
#include <ZALMPValue.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>

// An entity reaches its world through its host world, whose extension the
// world is: the lookup knows the world's class, so it lives with the world and
// the entity base names no world type but in its declarations.

HRESULT ZALMPEntity::GetWorld(RVLSharedHandle<ZALMPWorld>& world) const
{
  world.Release();
  const RVLSharedHandle<RVLBasicWorld> hostWorld = getWorld();
  if (!hostWorld) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  const RVLSharedHandle<RVLExtensionObject> extension = hostWorld->getExtension(ZALMPWorld::ClassID());
  if (!extension) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  world = RVLSharedHandle<ZALMPWorld>(extension);
  if (!world) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT ZALMPEntity::GetGlobalBody(RVLSharedHandle<ZALMPBody>& body) const
{
  body.Release();
  RVLSharedHandle<ZALMPWorld> world;
  if (FAILED(GetWorld(world))) return E_FAIL;
  return world->GetGlobalBody(body);
}

HRESULT ZALMPEntity::GetGlobalTime(RVLSharedHandle<ZALMPVariable>& time) const
{
  time.Release();
  RVLSharedHandle<ZALMPWorld> world;
  if (FAILED(GetWorld(world))) return E_FAIL;
  return world->GetGlobalTime(time);
}

HRESULT ZALMPEntity::AddValueToWorld(const RVLSharedHandle<ZALMPValue>& value) const
{
  RVLSharedHandle<ZALMPWorld> world;
  if (FAILED(GetWorld(world))) return E_FAIL;
  return world->Add<ZALMPValue>(value);
}

HRESULT ZALMPEntity::GetEquationFactory(ZALWBFactory*& factory) const
{
  factory = nullptr;
  RVLSharedHandle<ZALMPWorld> world;
  // Each failure is reported where it happens.
  if (FAILED(GetWorld(world)) || FAILED(world->GetWBFactory(factory))) return E_FAIL;
  return S_OK;
}
