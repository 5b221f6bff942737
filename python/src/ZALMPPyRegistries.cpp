#include "ZALMPPyRegistries.h"

#include "ZALMPPyNames.h"

#include <ZALMPEntityKinds.h>
#include <ZALMPWorld.h>

namespace {

template <class T>
ZALMPPyRegistries::Registry RegistryOf()
{
  return {ZALMPPyNames::Attribute(ZALMPCollectionName<T>()), &T::ClassInfo(),
          [](const ZALMPWorld& world) { return world.Count<T>(); },
          [](const ZALMPWorld& world, int index) {
            RVLSharedHandle<T> entity;
            world.Get<T>(index, entity);
            return RVLSharedHandle<ZALMPEntity>(entity);
          },
          [](ZALMPWorld& world, const RVLSharedHandle<ZALMPEntity>& entity) {
            return world.Add<T>(RVLSharedHandle<T>(entity));
          },
          [](ZALMPWorld& world, const RVLSharedHandle<ZALMPEntity>& entity) {
            return world.Remove<T>(RVLSharedHandle<T>(entity));
          }};
}

}  // namespace

const std::vector<ZALMPPyRegistries::Registry>& ZALMPPyRegistries::All()
{
  static const std::vector<Registry> registries = [] {
    std::vector<Registry> all;
    ZALMPEntityKinds::ForEach([&all](auto kind) { all.push_back(RegistryOf<typename decltype(kind)::type>()); });
    return all;
  }();
  return registries;
}

const ZALMPPyRegistries::Registry* ZALMPPyRegistries::Of(const RVLDynamicObject& entity)
{
  for (const Registry& registry : All())
    if (entity.isDerivedFrom(*registry.kind)) return &registry;
  return nullptr;
}
