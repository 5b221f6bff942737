#include "ZALMPEntityTestDoubles.h"

ZALMP_DEFINE_CLASS_WITH_ID(TestEntity, ZALMPEntity, "0E0E0E0E-0000-4000-8000-000000000001", nullptr);
ZALMP_REGISTER_CLASS_AS(TestEntity, "TestEntity");
ZALMP_DEFINE_CLASS_WITH_ID(TestParameter, ZALMPParameter, "0E0E0E0E-0000-4000-8000-000000000002", nullptr);
ZALMP_REGISTER_CLASS_AS(TestParameter, "TestParameter");

HRESULT TestEntity::RemoveParent()
{
  ++removeParentCalls;
  return S_OK;
}

HRESULT TestEntity::ClearContainers()
{
  ++clearContainersCalls;
  return S_OK;
}

HRESULT TestParameter::GetAllChildren(RVLSharedVector<ZALMPAttribute>& descendants) const
{
  if (failListing) return E_FAIL;
  descendants.insert(descendants.end(), children.begin(), children.end());
  return children.empty() ? S_FALSE : S_OK;
}
