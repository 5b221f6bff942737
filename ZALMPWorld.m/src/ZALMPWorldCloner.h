#pragma once
#include <RVLSharedHandle.h>
#include <RVLSharedList.h>

class ZALMPEntity;
class ZALMPWorld;

/// Copying a world's entities into another world: every registered entity
/// (Clone) or a list of them (CloneWithFilter), then the globals, then the
/// links between the copies. Works through the worlds' public operations.
class ZALMPWorldCloner {
public:
  /// Copies every entity of `source`'s registries into `copy` under the same
  /// keys and links the copies as their sources are linked.
  static void CopyAll(const ZALMPWorld& source, ZALMPWorld& copy);
  /// Copies the listed entities (of the kinds a filtered copy takes) and links
  /// the copies as their sources are linked; links leaving the list are dropped.
  static void CopyListed(const ZALMPWorld& source, const RVLSharedList<ZALMPEntity>& entities, ZALMPWorld& copy);
};
