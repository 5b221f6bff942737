#pragma once
#include <ZALStatus.h>

class ZALMPDeserializer;
class ZALMPSerializer;
class ZALMPWorld;

/// Writing a world into an element tree and reading it back: the "World"
/// frame, the collections in their fixed order, and the creation, reading and
/// filing passes of a load. Works through the world's public operations only.
class ZALMPWorldPersistence {
public:
  static HRESULT Write(const ZALMPWorld& world, ZALMPSerializer* parent);
  static HRESULT Read(ZALMPWorld& world, const ZALMPDeserializer* root);
};
