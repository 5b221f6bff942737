#pragma once
#include <ZALStatus.h>

#include <cstddef>
#include <functional>

class ZALMPDeferredElements;
class ZALMPDeserializer;
class ZALMPSerializer;
class ZALMPWorld;

/// Writing a world into an element tree and reading it back: the "World"
/// frame, the collections in their fixed order, and the creation, reading and
/// filing passes of a load. Works through the world's public operations only.
class ZALMPWorldPersistence {
public:
  static HRESULT Write(const ZALMPWorld& world, ZALMPSerializer* parent);
  /// `entitiesRead` (may be empty) hears of each entity read: how many so far,
  /// of how many. With `deferred`, each entity reads the element it gives;
  /// E_ABORT when it gives none.
  static HRESULT Read(ZALMPWorld& world, const ZALMPDeserializer* root, ZALMPDeferredElements* deferred,
                      const std::function<void(std::size_t read, std::size_t total)>& entitiesRead);
};
