#pragma once
#include <RVLSharedHandle.h>
#include <ZALStatus.h>

#include <string>
#include <vector>

class RVLClassInfo;
class RVLDynamicObject;
class ZALMPEntity;
class ZALMPWorld;

/// The fourteen registries of a world, in the world's order, each with the
/// typed operations of its kind behind one signature.
class ZALMPPyRegistries {
public:
  struct Registry {
    std::string attribute;  // "bodies": the collection's name as an attribute
    const RVLClassInfo* kind;
    int (*count)(const ZALMPWorld& world);
    RVLSharedHandle<ZALMPEntity> (*get)(const ZALMPWorld& world, int index);
    HRESULT (*add)(ZALMPWorld& world, const RVLSharedHandle<ZALMPEntity>& entity);
    HRESULT (*remove)(ZALMPWorld& world, const RVLSharedHandle<ZALMPEntity>& entity);
  };

  static const std::vector<Registry>& All();
  /// The registry an entity is filed under: the first kind it is of; null for none.
  static const Registry* Of(const RVLDynamicObject& entity);
};
