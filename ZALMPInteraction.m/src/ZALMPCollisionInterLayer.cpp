#define ZALMP_SOURCE_FILE "ZALMPInteraction.m/src/ZALMPCollisionInterLayer"
#include <ZALMPAssertionReport.h>

#include "ZALMPContactCoefficients.h"
#include <ZALMPCollisionInterLayer.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_KIND(ZALMPCollisionInterLayer, ZALMPInteraction);

ZALMPCollisionInterLayer::ZALMPCollisionInterLayer(const ZALMPCollisionInterLayer& source)
    : ZALMPInteraction(source),
      m_restitution(source.m_restitution),
      m_dynamicFriction(source.m_dynamicFriction),
      m_staticFriction(source.m_staticFriction)
{
}

// An empty entry (SetCollidable stores one) names no layer to list: that is
// refused rather than answered with nothing, so that a caller does not take
// it for a layer without members.
HRESULT ZALMPCollisionInterLayer::GetEntities(int index, RVLSharedVector<ZALMPEntity>& entities) const
{
  RVLSharedHandle<ZALMPEntity> collidable;
  if (FAILED(GetCollidable(index, collidable))) return E_FAIL;
  if (!collidable) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  const RVLSharedHandle<ZALMPInteraction> layer(collidable);
  for (int member = 0; member < layer->GetCollidableCount(); ++member) {
    RVLSharedHandle<ZALMPEntity> entity;
    layer->GetCollidable(member, entity);
    entities.push_back(entity);
  }
  return S_OK;
}

const ZALMPLink& ZALMPCollisionInterLayer::Layers()
{
  static const std::unique_ptr<const ZALMPLink> layers =
      CollidablesSavedAs(L"CollisionLayers", L"CollisionLayer", ZALMP_HERE);
  return *layers;
}

HRESULT ZALMPCollisionInterLayer::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPInteraction>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  Layers().Write(*this, out.Element());
  ZALMPWriteCoefficients(out, m_restitution, m_dynamicFriction, m_staticFriction);
  return S_OK;
}

HRESULT ZALMPCollisionInterLayer::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPInteraction>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  Layers().Read(*this, in.Element(), ids);
  ZALMPReadCoefficients(in, m_restitution, m_dynamicFriction, m_staticFriction);
  return S_OK;
}

ZALMP_DEFINE_FIELDS(ZALMPCollisionInterLayer, &ZALMPInteraction::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPCollisionInterLayer, RestitutionCoefficient),
                    ZALMP_FIELD_ROW(ZALMPCollisionInterLayer, DynamicFrictionCoefficient),
                    ZALMP_FIELD_ROW(ZALMPCollisionInterLayer, StaticFrictionCoefficient));
