#include "RVLBasicEntity.h"

#include "RVLBasicWorld.h"

#include <algorithm>

RVL_DEFINE_CLASS_INFO(RVLBasicEntity, RVLExtendibleObject)

RVLBasicEntity::~RVLBasicEntity()
{
  releaseChildren();
}

std::wstring RVLBasicEntity::getEntityName(NameMode mode, const wchar_t* separator) const
{
  if (mode == ExternalName || !m_parent) return m_name;
  return m_parent->getEntityName(mode, separator) + (separator ? separator : L"") + m_name;
}

RVLSharedHandle<RVLBasicWorld> RVLBasicEntity::getWorld() const
{
  const RVLBasicEntity* root = this;
  while (root->m_parent) root = root->m_parent;
  if (root == this) return nullptr;
  return RVLSharedHandle<RVLBasicWorld>(dynamic_cast<RVLBasicWorld*>(const_cast<RVLBasicEntity*>(root)));
}

bool RVLBasicEntity::addLogicalChild(const RVLSharedHandle<RVLBasicEntity>& child)
{
  if (!child || child.get() == this || child->m_parent == this) return false;
  if (child->m_parent) child->m_parent->removeLogicalChild(child);
  child->m_parent = this;
  child->m_placeInParent = m_children.size();
  m_children.push_back(child);
  return true;
}

bool RVLBasicEntity::hasLogicalChild(const RVLSharedHandle<RVLBasicEntity>& child) const
{
  return child && child->m_parent == this;
}

bool RVLBasicEntity::removeLogicalChild(const RVLSharedHandle<RVLBasicEntity>& child)
{
  if (!hasLogicalChild(child)) return false;
  child->m_parent = nullptr;
  const std::size_t place = child->m_placeInParent;
  if (place + 1 != m_children.size()) {
    m_children[place] = std::move(m_children.back());
    m_children[place]->m_placeInParent = place;
  }
  m_children.pop_back();
  return true;
}

RVLSharedHandle<RVLBasicEntity> RVLBasicEntity::getLogicalParent() const
{
  return RVLSharedHandle<RVLBasicEntity>(m_parent);
}

void RVLBasicEntity::orphanMembers()
{
  if (m_parent) {
    // The parent may hold the last handle to this entity.
    const RVLSharedHandle<RVLBasicEntity> self(this);
    m_parent->removeLogicalChild(self);
  }
  releaseChildren();
  RVLExtendibleObject::orphanMembers();
}

void RVLBasicEntity::releaseChildren()
{
  takeLogicalChildren();
}

std::vector<RVLSharedHandle<RVLBasicEntity>> RVLBasicEntity::takeLogicalChildren()
{
  auto children = std::move(m_children);
  m_children.clear();
  for (auto& child : children) child->m_parent = nullptr;
  return children;
}
