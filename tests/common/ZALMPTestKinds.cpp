#include "ZALMPTestKinds.h"

#include <ZALMPDeserializer.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSerializer.h>

ZALMP_DEFINE_CLASS_WITH_ID(TestConstraint, ZALMPConstraint, "0E0E0E0E-0000-4000-8000-000000000101", nullptr);
ZALMP_REGISTER_CLASS_AS(TestConstraint, "ZALMPTestConstraint");

HRESULT TestConstraint::Serialize(ZALMPSerializer* parent) const
{
  ZALMPSerializer* own = nullptr;
  if (!parent || FAILED(parent->AddElement(ZALMPSerializationServices::to_element_id(ClassName()), own))) return E_FAIL;
  return ZALMPConstraint::Serialize(own);
}

HRESULT TestConstraint::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  ZALMPDeserializer* own = nullptr;
  if (!parent || FAILED(parent->GetElement(ZALMPSerializationServices::to_element_id(ClassName()), own)) || !own)
    return E_FAIL;
  return ZALMPConstraint::Deserialize(own, ids);
}
