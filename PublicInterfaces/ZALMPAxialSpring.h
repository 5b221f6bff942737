#pragma once
#include "ZALMPConnector.h"
#include "ZALMPExport.h"
#include "ZALMPProperty.h"
#include "ZALMPSpringBehavior.h"
#include "ZALMPValueProperty.h"

class ZALIMPAxialSpringLoader;

/// A spring along the line between its two bodies, with an actuator force
/// that pre-loads it. Its rest length, stiffness, actuator force and damping
/// are value entities (constants or expressions of time).
///
/// A copy keeps the behaviour; its values are linked by the world's copy.
class ZALMP_EXPORT ZALMPAxialSpring : public ZALMPConnector {
  ZALMP_DECLARE_KIND(ZALMPAxialSpring, ZALMPConnector);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  ZALMP_DECLARE_LOADER(ZALIMPAxialSpringLoader, ZALMPConnector);

  /// Any number is stored; one outside the behaviour table is saved as "Bidirectional".
  ZALMP_FIELD(ZALMPSpringBehavior::Enum, Behavior, m_behavior, ZALMPSpringBehavior::Bidirectional);
  ZALMP_VALUE_PROPERTY(RestLength);
  ZALMP_VALUE_PROPERTY(Stiffness);
  ZALMP_VALUE_PROPERTY(Damping);
  /// As the other properties, except that GetActuatorForce fails without a report.
  ZALMP_VALUE_PROPERTY(ActuatorForce);

  /// Element "AxialSpring": the connector part, "Behavior" (its name),
  /// "RestLength", "Stiffness", "Damping" and "PreLoadForce" (the actuator
  /// force; without one, a new constant "EmptyForce" of no world). S_OK when
  /// all five were written; else E_FAIL (reported), with what could be written.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "AxialSpring" child of `parent`. S_OK when every child
  /// was applied; else E_FAIL (reported), with what could be applied.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPValue> m_restLength;
  RVLSharedHandle<ZALMPValue> m_stiffness;
  RVLSharedHandle<ZALMPValue> m_actuatorForce;
  RVLSharedHandle<ZALMPValue> m_damping;
};
