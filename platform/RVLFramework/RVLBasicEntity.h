#pragma once
#include "RVLExtendibleObject.h"
#include "RVLSharedHandle.h"

#include <string>
#include <vector>

class RVLBasicWorld;

/// A named object of a host world. Entities form a tree of logical children;
/// the host world at its root is the entity's world.
class RVLBasicEntity : public RVLExtendibleObject {
  RVL_DECLARE_CLASS_INFO(RVLBasicEntity)
public:
  /// How getEntityName builds the name; the library always uses the first mode.
  enum NameMode { ExternalName = 0, InternalName = 1 };
  /// Separator between the names of the path of an internal name.
  static constexpr const wchar_t* ExternalNameSeparator = L"/";

  ~RVLBasicEntity() override;

  void setEntityName(const std::wstring& name) { m_name = name; }
  /// ExternalName: the entity's own name. InternalName: the names from the
  /// root of the logical tree down to this entity, joined by `separator`.
  std::wstring getEntityName(NameMode mode = ExternalName, const wchar_t* separator = ExternalNameSeparator) const;

  /// The host world at the root of this entity's logical tree; null outside a world.
  virtual RVLSharedHandle<RVLBasicWorld> getWorld() const;

  /// Makes `child` a logical child of this entity, taking it from its former
  /// parent. False for a null child, this entity itself, or a child already here.
  bool addLogicalChild(const RVLSharedHandle<RVLBasicEntity>& child);
  bool hasLogicalChild(const RVLSharedHandle<RVLBasicEntity>& child) const;
  /// False when `child` is not a logical child of this entity.
  bool removeLogicalChild(const RVLSharedHandle<RVLBasicEntity>& child);
  int getLogicalChildCount() const { return static_cast<int>(m_children.size()); }
  /// The logical parent, or null.
  RVLSharedHandle<RVLBasicEntity> getLogicalParent() const;

protected:
  RVLBasicEntity() = default;
  /// A copy keeps the name; it has no parent and no children.
  RVLBasicEntity(const RVLBasicEntity& other) : RVLExtendibleObject(other), m_name(other.m_name) {}
  /// Leaves the logical parent and lets go of the logical children.
  void orphanMembers() override;
  /// Lets go of the logical children and hands them to the caller.
  std::vector<RVLSharedHandle<RVLBasicEntity>> takeLogicalChildren();

private:
  void releaseChildren();

  std::wstring m_name;
  // Not counted: the parent holds this entity and clears the link before it
  // lets go, so the pointer never dangles and no cycle forms.
  RVLBasicEntity* m_parent = nullptr;
  // This entity's place in its parent's m_children, so that leaving a parent
  // of many children costs no search.
  std::size_t m_placeInParent = 0;
  // In no particular order: a child leaving takes the last one's place.
  std::vector<RVLSharedHandle<RVLBasicEntity>> m_children;
};
