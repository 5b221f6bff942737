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

RVLSharedHandle<ZALMPEntity> ZALMPGenericFactoryBase::CreateInstance(const std::string& name)
{
  const auto found = GetMap().find(name);
  if (found == GetMap().end() || !found->second) return nullptr;
  return found->second();
}

void ZALMPGenericFactoryBase::Register(const std::string& name, Creator creator)
{
  GetMap()[name] = creator;
}
