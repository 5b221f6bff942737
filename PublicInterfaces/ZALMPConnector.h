#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

class ZALMPBody;

/// The base of springs, bushings and force elements that connect bodies.
class ZALMP_EXPORT ZALMPConnector : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPConnector, ZALMPEntity);

public:
  ~ZALMPConnector() override;

  /// Drops its link to `body`. S_OK: dropped. S_FALSE: not linked to it.
  /// E_FAIL: an empty handle (reported).
  virtual HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& body) = 0;

protected:
  ZALMPConnector();
  ZALMPConnector(const ZALMPConnector& source);
};
