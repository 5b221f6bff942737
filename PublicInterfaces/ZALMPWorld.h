#pragma once
#include "ZALMPClassIdentity.h"
#include "ZALMPExport.h"

#include <RVLBasicWorld.h>
#include <RVLExtensionObject.h>
#include <RVLSharedHandle.h>

/// The container of one simulation model, bound as the extension of a host
/// world; entities of that host world reach it through ZALMPEntity::GetWorld.
class ZALMP_EXPORT ZALMPWorld : public RVLExtensionObject {
  ZALMP_DECLARE_CLASS(ZALMPWorld, RVLExtensionObject);

public:
  /// A new world bound as the extension of `hostWorld` (unbound for a null host).
  static RVLSharedHandle<ZALMPWorld> create(const RVLSharedHandle<RVLBasicWorld>& hostWorld);

  ~ZALMPWorld() override;

protected:
  ZALMPWorld();

private:
  /// The class record's creator: a default, unbound world.
  static RVLDynamicObject* _CreateObject();
};
