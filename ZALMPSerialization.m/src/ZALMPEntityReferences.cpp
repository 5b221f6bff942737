#include "ZALMPEntityReferences.h"

HRESULT ZALMPEntityReferences::Write(ZALMPSerializer* parent, const std::wstring& itemId,
                                     const RVLSharedHandle<ZALMPEntity>& target, ZALMPSourceLocation where)
{
  ZALMPSerializer* item = nullptr;
  if (!parent || FAILED(parent->AddElement(itemId, item)) || !item) {
    Report(where);
    return E_FAIL;
  }
  if (!target.IsAlive()) {
    Report(where);
    return S_OK;
  }
  std::wstring id;
  if (FAILED(target->GetIdentifier(id)) || id.empty() || FAILED(item->AddAttribute(L"id", id))) Report(where);
  if (FAILED(item->AddAttribute(L"name", target->getEntityName()))) Report(where);
  return S_OK;
}

RVLSharedHandle<ZALMPEntity> ZALMPEntityReferences::Resolve(const ZALMPDeserializer* item,
                                                            const ZALMPIdentifierMap& ids, ZALMPSourceLocation where)
{
  if (!item) {
    Report(where);
    return nullptr;
  }
  std::wstring id;
  if (FAILED(item->GetAttribute(L"id", id))) return nullptr;  // reported by the element
  const auto found = ids.find(id);
  return found == ids.end() ? nullptr : found->second;
}

std::vector<ZALMPDeserializer*> ZALMPEntityReferences::Children(const ZALMPDeserializer* group,
                                                                const std::wstring& itemId)
{
  ZALMPDeserializer::ElementIterator begin{};
  ZALMPDeserializer::ElementIterator end{};
  if (!group->HasElement(itemId)) return {};
  group->GetElements(itemId, begin, end);
  return std::vector<ZALMPDeserializer*>(begin, end);
}
