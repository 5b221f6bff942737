#pragma once
#include "ZALMPAxisSystem.h"
#include "ZALMPBody.h"
#include "ZALMPVariable.h"

#include <RVLSharedHandle.h>

class ZALMPWorld;

/// The three built-in entities of a world, taken together.
struct ZALMPWorldGlobals {
  RVLSharedHandle<ZALMPBody> body;
  RVLSharedHandle<ZALMPAxisSystem> axisSystem;
  RVLSharedHandle<ZALMPVariable> time;

  /// The globals `world` has now; a handle is null where the world has none.
  static ZALMPWorldGlobals Of(const ZALMPWorld& world);
  /// Takes these entities out of `world`'s registries (Body, Geometry and
  /// Variable); the world's global handles stay as they are.
  void RemoveFrom(ZALMPWorld& world) const;
};
