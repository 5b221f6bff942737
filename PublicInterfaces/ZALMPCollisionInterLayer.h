#pragma once
#include "ZALMPExport.h"
#include "ZALMPInteraction.h"
#include "ZALMPProperty.h"

#include <RVLSharedVector.h>
#include <ZALStatus.h>

/// How the members of collision layers meet one another: its collidables are
/// collision layers, and it carries the restitution and friction of contacts
/// between them. A copy keeps the rule type and the coefficients and starts
/// without layers.
class ZALMP_EXPORT ZALMPCollisionInterLayer : public ZALMPInteraction {
  ZALMP_DECLARE_KIND(ZALMPCollisionInterLayer, ZALMPInteraction);
  ZALMP_DECLARE_FIELDS();

public:
  /// S_OK: every collidable of the layer at `index` is appended, in order, to
  /// `entities`, which is not emptied first. E_FAIL outside
  /// [0, GetCollidableCount()), or (reported) when that entry is empty;
  /// `entities` unchanged. A collidable that is not an interaction raises
  /// RVLEInvalidCast.
  HRESULT GetEntities(int index, RVLSharedVector<ZALMPEntity>& entities) const override;

  /// Plain numbers, not checked.
  ZALMP_ACCESSORS(double, RestitutionCoefficient, m_restitution);
  ZALMP_ACCESSORS(double, DynamicFrictionCoefficient, m_dynamicFriction);
  ZALMP_ACCESSORS(double, StaticFrictionCoefficient, m_staticFriction);

  /// Element "CollisionInterLayer": the interaction part, the layers once
  /// more as "CollisionLayers" (one "CollisionLayer" reference each, when
  /// there are any), "Restitution", "DynamicFriction", "StaticFriction".
  /// S_OK. E_FAIL (reported): `parent` is null, the element cannot be added
  /// or the interaction part fails.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "CollisionInterLayer" child of `parent`; the layers of
  /// both listings are added, and an absent number is reported and keeps its
  /// value. S_OK. E_FAIL (reported): `parent` is null, has no such child, or
  /// the interaction part fails.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  /// The layers as the inter-layer lists them after the interaction part.
  static const ZALMPLink& Layers();

  double m_restitution = 0.0;
  double m_dynamicFriction = 0.0;
  double m_staticFriction = 0.0;
};
