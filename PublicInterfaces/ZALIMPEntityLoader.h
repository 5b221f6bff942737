#pragma once
#include "ZALMPExport.h"

#include <ZALStatus.h>

/// Host hooks of one entity. The entity owns its loader and deletes it when it
/// is destroyed or given another one.
class ZALMP_EXPORT ZALIMPEntityLoader {
public:
  virtual ~ZALIMPEntityLoader() = default;
  /// Called when the entity becomes active; its status is the activation's result.
  virtual HRESULT OnActivate() = 0;
  /// Called when the entity becomes inactive; its status is the deactivation's result.
  virtual HRESULT OnDeactivate() = 0;
};
