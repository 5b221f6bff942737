#include "RVLExtendibleObject.h"

#include "RVLExtensionObject.h"

#include <algorithm>

RVL_DEFINE_CLASS_INFO(RVLExtendibleObject, RVLNotificationAgent)

RVLExtendibleObject::RVLExtendibleObject() = default;

RVLExtendibleObject::RVLExtendibleObject(const RVLExtendibleObject& other) : RVLNotificationAgent(other) {}

RVLExtendibleObject::~RVLExtendibleObject()
{
  detachAll();
}

bool RVLExtendibleObject::hasExtension(const RVLUUID& id) const
{
  return static_cast<bool>(getExtension(id));
}

RVLSharedHandle<RVLExtensionObject> RVLExtendibleObject::getExtension(const RVLUUID& id) const
{
  for (const auto& [key, extension] : m_extensions)
    if (key == id) return extension;
  return nullptr;
}

void RVLExtendibleObject::orphanMembers()
{
  detachAll();
  RVLNotificationAgent::orphanMembers();
}

void RVLExtendibleObject::attach(const RVLUUID& id, RVLExtensionObject* extension)
{
  for (auto& [key, held] : m_extensions) {
    if (key != id) continue;
    held->m_extendible = nullptr;
    held = RVLSharedHandle<RVLExtensionObject>(extension);
    return;
  }
  m_extensions.emplace_back(id, RVLSharedHandle<RVLExtensionObject>(extension));
}

void RVLExtendibleObject::detach(const RVLExtensionObject* extension)
{
  const auto found = std::find_if(m_extensions.begin(), m_extensions.end(),
                                  [&](const auto& entry) { return entry.second.get() == extension; });
  if (found == m_extensions.end()) return;
  RVLSharedHandle<RVLExtensionObject> released = std::move(found->second);
  m_extensions.erase(found);
}

void RVLExtendibleObject::detachAll()
{
  auto extensions = std::move(m_extensions);
  m_extensions.clear();
  for (auto& entry : extensions) entry.second->m_extendible = nullptr;
}
