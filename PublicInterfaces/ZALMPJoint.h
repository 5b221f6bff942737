#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

class ZALMPBody;
class ZALMPConstraint;

/// The base of the joints that link bodies.
class ZALMP_EXPORT ZALMPJoint : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPJoint, ZALMPEntity);

public:
  ~ZALMPJoint() override;

  /// Drops its link to `body`. S_OK: dropped. S_FALSE: not linked to it.
  /// E_FAIL: an empty handle (reported).
  virtual HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& body) = 0;
  /// Drops its link to `constraint`. S_OK: dropped. S_FALSE: not linked to it.
  /// E_FAIL: an empty handle (reported).
  virtual HRESULT RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint) = 0;

protected:
  ZALMPJoint();
  ZALMPJoint(const ZALMPJoint& source);
};
