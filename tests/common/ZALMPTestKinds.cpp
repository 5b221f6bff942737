#include "ZALMPTestKinds.h"

#include <ZALMPDeserializer.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSerializer.h>

#define ZALMP_DEFINE_TEST_KIND(T, Kind, idSuffix)                                             \
  ZALMP_DEFINE_CLASS_WITH_ID(T, Kind, "0E0E0E0E-0000-4000-8000-000000000" idSuffix, nullptr); \
  ZALMP_REGISTER_CLASS_AS(T, "ZALMP" #T)

ZALMP_DEFINE_TEST_KIND(TestConstraint, ZALMPConstraint, "101");
ZALMP_DEFINE_TEST_KIND(TestJoint, ZALMPJoint, "102");
ZALMP_DEFINE_TEST_KIND(TestShape, ZALMPShape, "103");
ZALMP_DEFINE_TEST_KIND(TestConnector, ZALMPConnector, "104");
ZALMP_DEFINE_TEST_KIND(TestAttribute, ZALMPAttribute, "105");
ZALMP_DEFINE_TEST_KIND(TestActuator, ZALMPActuator, "106");
ZALMP_DEFINE_TEST_KIND(TestMaterial, ZALMPMaterial, "107");
ZALMP_DEFINE_TEST_KIND(TestInteraction, ZALMPInteraction, "108");
ZALMP_DEFINE_TEST_KIND(TestShape2D, ZALMPShape2D, "110");

ZALMPSerializer* ZALMPTestKinds::AddOwn(const ZALMPEntity& entity, ZALMPSerializer* parent)
{
  ZALMPSerializer* own = nullptr;
  if (parent) parent->AddElement(ZALMPSerializationServices::to_element_id(entity.getClassName()), own);
  return own;
}

const ZALMPDeserializer* ZALMPTestKinds::TakeOwn(const ZALMPEntity& entity, const ZALMPDeserializer* parent)
{
  ZALMPDeserializer* own = nullptr;
  if (parent) parent->GetElement(ZALMPSerializationServices::to_element_id(entity.getClassName()), own);
  return own;
}

HRESULT TestBodyPartner::Drop(const char* who, const RVLSharedHandle<ZALMPBody>& asking)
{
  if (log) log->push_back(who);
  if (answer) return *answer;
  if (!asking) return E_FAIL;
  if (!(asking == body)) return S_FALSE;
  body.Release();
  return S_OK;
}
