#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

/// A contact material: an entity of its own kind with no data, filed in the
/// world's Material registry. It writes nothing of itself, so a world's
/// "Materials" collection stays empty, and the factory cannot make one by name.
class ZALMP_EXPORT ZALMPMaterial : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPMaterial, ZALMPEntity);

public:
  ~ZALMPMaterial() override;

  /// Writes nothing: S_OK. E_FAIL (reported): no element.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads nothing: S_OK. E_FAIL (reported): no element.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

protected:
  ZALMPMaterial();
  ZALMPMaterial(const ZALMPMaterial& source);
};
