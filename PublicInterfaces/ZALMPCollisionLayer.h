#pragma once
#include "ZALMPExport.h"
#include "ZALMPInteraction.h"

#include <ZALStatus.h>

/// A group of entities that collide alike: its collidables are the members
/// of the layer. A copy keeps the rule type and starts without members.
class ZALMP_EXPORT ZALMPCollisionLayer : public ZALMPInteraction {
  ZALMP_DECLARE_KIND(ZALMPCollisionLayer, ZALMPInteraction);

public:
  /// Element "CollisionLayer": the interaction part, then the members once
  /// more as "Entities" (one "Entity" reference each, when there are any).
  /// S_OK, also when `parent` is null or the element cannot be added
  /// (reported; nothing is written).
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "CollisionLayer" child of `parent`: the members of both
  /// listings are added (one already there has no effect). S_OK, also when
  /// `parent` is null or has no such child (reported; nothing is read).
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  /// The members as the layer lists them after the interaction part.
  static const ZALMPLink& Entities();
};
