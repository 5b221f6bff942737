#define ZALMP_SOURCE_FILE "ZALMPInteraction.m/src/ZALMPCollisionRule"
#include <ZALMPAssertionReport.h>

#include "ZALMPContactCoefficients.h"
#include <ZALMPBody.h>
#include <ZALMPCollisionRule.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>

#include <cstddef>
#include <cstdint>

ZALMP_DEFINE_KIND(ZALMPCollisionRule, ZALMPInteraction);

ZALMPCollisionRule::ZALMPCollisionRule(const ZALMPCollisionRule& source)
    : ZALMPInteraction(source),
      m_restitution(source.m_restitution),
      m_dynamicFriction(source.m_dynamicFriction),
      m_staticFriction(source.m_staticFriction),
      m_firstSide(source.m_firstSide),
      m_secondSide(source.m_secondSide),
      m_damping(source.m_damping),
      m_dampingTransition(source.m_dampingTransition),
      m_dampingTransitionDepth(source.m_dampingTransitionDepth),
      m_frictionCoefficient(source.m_frictionCoefficient),
      m_frictionVelocity(source.m_frictionVelocity)
{
}

HRESULT ZALMPCollisionRule::SetFirstBody(const RVLSharedHandle<ZALMPBody>& body)
{
  if (!body) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (GetCollidableCount() == 0) return AddCollidable(body);
  if (SUCCEEDED(SetCollidable(0, body))) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPCollisionRule::SetSecondBody(const RVLSharedHandle<ZALMPBody>& body)
{
  if (!body) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (GetCollidableCount() < 2) return AddCollidable(body);
  if (SUCCEEDED(SetCollidable(1, body))) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

// An empty entry (SetCollidable stores one) is no body: it is refused like a
// missing one, so that S_OK always comes with a body.
HRESULT ZALMPCollisionRule::GetBody(int index, RVLSharedHandle<ZALMPBody>& body) const
{
  body.Release();
  RVLSharedHandle<ZALMPEntity> collidable;
  if (FAILED(GetCollidable(index, collidable)) || !collidable) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  body = RVLSharedHandle<ZALMPBody>(collidable);
  return S_OK;
}

HRESULT ZALMPCollisionRule::GetFirstBody(RVLSharedHandle<ZALMPBody>& body) const
{
  return GetBody(0, body);
}

HRESULT ZALMPCollisionRule::GetSecondBody(RVLSharedHandle<ZALMPBody>& body) const
{
  return GetBody(1, body);
}

HRESULT ZALMPCollisionRule::RemoveBody(const RVLSharedHandle<ZALMPBody>& body)
{
  return RemoveCollidable(body);
}

HRESULT ZALMPCollisionRule::SetDampingTransitionDepth(double depth)
{
  m_dampingTransitionDepth = depth;
  return S_OK;
}

HRESULT ZALMPCollisionRule::GetDampingTransitionDepth(double& depth) const
{
  depth = m_dampingTransitionDepth;
  return S_OK;
}

HRESULT ZALMPCollisionRule::SetFrictionParameters(double coefficient, double velocity)
{
  m_frictionCoefficient = coefficient;
  m_frictionVelocity = velocity;
  return S_OK;
}

HRESULT ZALMPCollisionRule::GetFrictionParameters(double& coefficient, double& velocity) const
{
  coefficient = m_frictionCoefficient;
  velocity = m_frictionVelocity;
  return S_OK;
}

namespace {

// A side's Young modulus, Poisson coefficient and elastic layer thickness, in this order.
using Side = std::array<double, 3>;
constexpr ZALMPTripleIds kFirstSideIds = {L"YoungModulus1", L"PoissonCoef1", L"ElasticLayerThickness1"};
constexpr ZALMPTripleIds kSecondSideIds = {L"YoungModulus2", L"PoissonCoef2", L"ElasticLayerThickness2"};

HRESULT Store(Side& side, double youngModulus, double poissonCoefficient, double thickness)
{
  side = {youngModulus, poissonCoefficient, thickness};
  return S_OK;
}

HRESULT Load(const Side& side, double& youngModulus, double& poissonCoefficient, double& thickness)
{
  youngModulus = side[0];
  poissonCoefficient = side[1];
  thickness = side[2];
  return S_OK;
}

// Each number of `side` that the element holds; a missing one is reported and kept.
void Read(const ZALMPFieldReader& in, const ZALMPTripleIds& ids, Side& side)
{
  for (std::size_t i = 0; i < side.size(); ++i) in.Read(ids[i], side[i]);
}

}  // namespace

HRESULT ZALMPCollisionRule::SetFirstCollidableParameters(double youngModulus, double poissonCoefficient,
                                                         double thickness)
{
  return Store(m_firstSide, youngModulus, poissonCoefficient, thickness);
}

HRESULT ZALMPCollisionRule::GetFirstCollidableParameters(double& youngModulus, double& poissonCoefficient,
                                                         double& thickness) const
{
  return Load(m_firstSide, youngModulus, poissonCoefficient, thickness);
}

HRESULT ZALMPCollisionRule::SetSecondCollidableParameters(double youngModulus, double poissonCoefficient,
                                                          double thickness)
{
  return Store(m_secondSide, youngModulus, poissonCoefficient, thickness);
}

HRESULT ZALMPCollisionRule::GetSecondCollidableParameters(double& youngModulus, double& poissonCoefficient,
                                                          double& thickness) const
{
  return Load(m_secondSide, youngModulus, poissonCoefficient, thickness);
}

HRESULT ZALMPCollisionRule::EnableDampingTransition(unsigned char enable)
{
  m_dampingTransition = enable != 0;
  return S_OK;
}

bool ZALMPCollisionRule::IsDampingTransitionEnabled() const
{
  return m_dampingTransition;
}

HRESULT ZALMPCollisionRule::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPInteraction>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  ZALMPWriteCoefficients(out, m_restitution, m_dynamicFriction, m_staticFriction);
  out.Numbers(kFirstSideIds, m_firstSide[0], m_firstSide[1], m_firstSide[2]);
  out.Numbers(kSecondSideIds, m_secondSide[0], m_secondSide[1], m_secondSide[2]);
  out.Number(L"Damping", m_damping);
  out.Value(L"EnableDampingTransition", static_cast<std::int32_t>(m_dampingTransition ? 1 : 0));
  out.Number(L"DampingTransitionDepth", m_dampingTransitionDepth);
  out.Number(L"FrictionCoef", m_frictionCoefficient);
  out.Number(L"FrictionVelocity", m_frictionVelocity);
  return S_OK;
}

HRESULT ZALMPCollisionRule::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPInteraction>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  ZALMPReadCoefficients(in, m_restitution, m_dynamicFriction, m_staticFriction);
  Read(in, kFirstSideIds, m_firstSide);
  Read(in, kSecondSideIds, m_secondSide);
  in.Read(L"Damping", m_damping);
  // Only 1 turns the transition on: any other number reads as off.
  if (std::int32_t enabled = 0; in.Read(L"EnableDampingTransition", enabled)) m_dampingTransition = enabled == 1;
  in.Read(L"DampingTransitionDepth", m_dampingTransitionDepth);
  in.Read(L"FrictionCoef", m_frictionCoefficient);
  in.Read(L"FrictionVelocity", m_frictionVelocity);
  return S_OK;
}

ZALMP_DEFINE_FIELDS(ZALMPCollisionRule, &ZALMPInteraction::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPCollisionRule, RestitutionCoefficient),
                    ZALMP_FIELD_ROW(ZALMPCollisionRule, DynamicFrictionCoefficient),
                    ZALMP_FIELD_ROW(ZALMPCollisionRule, StaticFrictionCoefficient),
                    ZALMP_FIELD_ROW(ZALMPCollisionRule, DampingCoefficient),
                    ZALMP_FIELD_ROW(ZALMPCollisionRule, DampingTransitionDepth));
