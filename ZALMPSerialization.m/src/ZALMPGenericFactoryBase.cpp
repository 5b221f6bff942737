#include <ZALMPEntity.h>
#include <ZALMPGenericFactoryBase.h>

std::map<std::string, ZALMPGenericFactoryBase::Creator>& ZALMPGenericFactoryBase::GetMap()
{
  static std::map<std::string, Creator> map;
  return map;
}

std::vector<std::string> ZALMPGenericFactoryBase::GetRegisteredNames()
{
  std::vector<std::string> names;
  names.reserve(GetMap().size());
  for (const auto& entry : GetMap()) names.push_back(entry.first);
  return names;
}

ZALMPGenericFactoryBase::Creator ZALMPGenericFactoryBase::FindCreator(const std::string& name)
{
  const auto found = GetMap().find(name);
  return found == GetMap().end() ? nullptr : found->second;
}

RVLSharedHandle<ZALMPEntity> ZALMPGenericFactoryBase::CreateInstance(const std::string& name)
{
  const Creator creator = FindCreator(name);
  return creator ? creator() : nullptr;
}

void ZALMPGenericFactoryBase::Register(const std::string& name, Creator creator)
{
  GetMap()[name] = creator;
}
