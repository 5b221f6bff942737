#pragma once
#include "ZALMPCollisionRuleType.h"
#include "ZALMPEntity.h"
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"
#include "ZALMPProperty.h"

#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>
#include <ZALStatus.h>

#include <memory>
#include <string_view>

/// The base of collision layers, inter-layers and collision rules: an ordered
/// list of collidable entities, each at most once, and a rule type.
///
/// Orphaned, an interaction asks nothing of its collidables and keeps its
/// list, which goes only with the interaction itself. A copy keeps the rule
/// type and starts without collidables; the world's copy links it to the
/// copies of its collidables.
class ZALMP_EXPORT ZALMPInteraction : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPInteraction, ZALMPEntity);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  ~ZALMPInteraction() override;

  /// S_OK and the collidable at `index`; E_FAIL and a null handle outside
  /// [0, GetCollidableCount()).
  virtual HRESULT GetCollidable(int index, RVLSharedHandle<ZALMPEntity>& collidable) const;
  /// S_OK: the entry at `index` holds `collidable` from now on (an empty
  /// handle, or one already at another position, is stored as it is).
  /// E_FAIL outside [0, GetCollidableCount()); nothing changes.
  virtual HRESULT SetCollidable(int index, const RVLSharedHandle<ZALMPEntity>& collidable);
  /// S_OK: appended. S_FALSE: already a collidable. E_FAIL: an empty handle (reported).
  virtual HRESULT AddCollidable(const RVLSharedHandle<ZALMPEntity>& collidable);
  /// S_OK: erased, the others keep their order. S_FALSE: not a collidable.
  /// E_FAIL: an empty handle (reported).
  virtual HRESULT RemoveCollidable(const RVLSharedHandle<ZALMPEntity>& collidable);
  /// S_OK: the collidable at `index` is appended to `entities`, which is not
  /// emptied first. E_FAIL outside [0, GetCollidableCount()); `entities` unchanged.
  virtual HRESULT GetEntities(int index, RVLSharedVector<ZALMPEntity>& entities) const;
  int GetCollidableCount() const;

  /// Any number is stored; one outside the rule type table is saved as "DefaultCollision".
  ZALMP_ACCESSORS(ZALMPCollisionRuleType::Enum, RuleType, m_ruleType);

  /// The interaction part into `element` (the kind's own element): the common
  /// part, "Collidables" (one "Collidable" reference each, when there are
  /// any) and "RuleType" (its name). S_OK, also when the common part fails
  /// (reported; then nothing more is written). E_FAIL (reported): no element.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the interaction part back: collidables resolve through `ids`
  /// (unknown ids are skipped) and are added; an absent "RuleType" is
  /// reported and the rule type stays. S_OK, also when the common part fails
  /// (reported; then nothing more is read). E_FAIL (reported): no element.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

protected:
  ZALMPInteraction();
  ZALMPInteraction(const ZALMPInteraction& source);

  /// The collidables as one link saved as the group `groupId` of `itemId`
  /// references and read back through AddCollidable: the interaction's own
  /// "Collidables", and the second listing that a kind writes after the
  /// interaction part. `groupId` and `itemId` must outlive the link.
  static std::unique_ptr<const ZALMPLink> CollidablesSavedAs(std::wstring_view groupId, std::wstring_view itemId,
                                                             ZALMPSourceLocation where);

private:
  ZALMPLinkList<ZALMPEntity> m_collidables;
  ZALMPCollisionRuleType::Enum m_ruleType = ZALMPCollisionRuleType::CollisionReaction;
};
