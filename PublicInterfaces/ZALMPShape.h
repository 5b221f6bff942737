#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

class ZALMPBody;

/// The base of the shapes and visual representations linked to bodies.
class ZALMP_EXPORT ZALMPShape : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPShape, ZALMPEntity);

public:
  ~ZALMPShape() override;

  /// Drops its link to `body`. S_OK: dropped. S_FALSE: not linked to it.
  /// E_FAIL: an empty handle (reported).
  virtual HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& body) = 0;

protected:
  ZALMPShape();
  ZALMPShape(const ZALMPShape& source);
};
