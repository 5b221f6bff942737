#pragma once
#include "ZALMPExport.h"
#include "ZALMPInteraction.h"
#include "ZALMPProperty.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

#include <array>

class ZALMPBody;

/// How two bodies meet: its collidables are its first body (position 0) and
/// its second body (position 1), and it carries every contact parameter:
/// restitution, dynamic and static friction, each side's Young modulus,
/// Poisson coefficient and elastic layer thickness, damping with an optional
/// transition depth, and a friction coefficient with its friction velocity.
/// A copy keeps the rule type and every parameter and starts without bodies.
class ZALMP_EXPORT ZALMPCollisionRule : public ZALMPInteraction {
  ZALMP_DECLARE_KIND(ZALMPCollisionRule, ZALMPInteraction);
  ZALMP_DECLARE_FIELDS();

public:
  /// E_FAIL: an empty handle (reported). Without collidables the body is
  /// added (AddCollidable's answer); otherwise it replaces collidable 0: S_OK.
  HRESULT SetFirstBody(const RVLSharedHandle<ZALMPBody>& body);
  /// E_FAIL: an empty handle (reported). With fewer than two collidables the
  /// body is added (AddCollidable's answer; with none it becomes collidable
  /// 0, the first body); otherwise it replaces collidable 1: S_OK.
  HRESULT SetSecondBody(const RVLSharedHandle<ZALMPBody>& body);
  /// S_OK and collidable 0 (1) as a body. E_FAIL (reported) and a null handle
  /// when there is no such collidable or it is empty. A collidable that is
  /// not a body raises RVLEInvalidCast.
  HRESULT GetFirstBody(RVLSharedHandle<ZALMPBody>& body) const;
  HRESULT GetSecondBody(RVLSharedHandle<ZALMPBody>& body) const;
  /// RemoveCollidable of `body`.
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& body);

  /// Plain numbers and flags, not checked.
  ZALMP_ACCESSORS(double, RestitutionCoefficient, m_restitution);
  ZALMP_ACCESSORS(double, DynamicFrictionCoefficient, m_dynamicFriction);
  ZALMP_ACCESSORS(double, StaticFrictionCoefficient, m_staticFriction);
  ZALMP_ACCESSORS(double, DampingCoefficient, m_damping);
  HRESULT SetDampingTransitionDepth(double depth);
  virtual HRESULT GetDampingTransitionDepth(double& depth) const;
  /// The friction coefficient and the friction velocity; S_OK.
  virtual HRESULT SetFrictionParameters(double coefficient, double velocity);
  virtual HRESULT GetFrictionParameters(double& coefficient, double& velocity) const;
  /// Young modulus, Poisson coefficient and elastic layer thickness of the
  /// first (second) collidable; S_OK.
  HRESULT SetFirstCollidableParameters(double youngModulus, double poissonCoefficient, double thickness);
  HRESULT GetFirstCollidableParameters(double& youngModulus, double& poissonCoefficient, double& thickness) const;
  HRESULT SetSecondCollidableParameters(double youngModulus, double poissonCoefficient, double thickness);
  HRESULT GetSecondCollidableParameters(double& youngModulus, double& poissonCoefficient, double& thickness) const;
  /// Any non-zero `enable` turns the damping transition on; S_OK.
  HRESULT EnableDampingTransition(unsigned char enable);
  bool IsDampingTransitionEnabled() const;

  /// Element "CollisionRule": the interaction part, then "Restitution",
  /// "DynamicFriction", "StaticFriction", "YoungModulus1", "PoissonCoef1",
  /// "ElasticLayerThickness1", "YoungModulus2", "PoissonCoef2",
  /// "ElasticLayerThickness2", "Damping", "EnableDampingTransition" (1 or 0),
  /// "DampingTransitionDepth", "FrictionCoef", "FrictionVelocity". S_OK.
  /// E_FAIL (reported): `parent` is null, the element cannot be added or the
  /// interaction part fails.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "CollisionRule" child of `parent`; an absent value is
  /// reported and keeps its field; the transition is enabled exactly when
  /// "EnableDampingTransition" holds 1. S_OK. E_FAIL (reported): `parent` is
  /// null, has no such child, or the interaction part fails.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  HRESULT GetBody(int index, RVLSharedHandle<ZALMPBody>& body) const;

  double m_restitution = 0.0;
  double m_dynamicFriction = 0.0;
  double m_staticFriction = 0.0;
  /// Young modulus, Poisson coefficient and elastic layer thickness of each collidable.
  std::array<double, 3> m_firstSide{};
  std::array<double, 3> m_secondSide{};
  double m_damping = 0.0;
  bool m_dampingTransition = false;
  double m_dampingTransitionDepth = 0.0;
  double m_frictionCoefficient = 0.0;
  double m_frictionVelocity = 0.0;
};
