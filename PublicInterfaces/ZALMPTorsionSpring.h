#pragma once
#include "ZALMPConnector.h"
#include "ZALMPExport.h"
#include "ZALMPProperty.h"
#include "ZALMPSpringBehavior.h"
#include "ZALMPValueProperty.h"

#include <ZALMathLine.h>

class ZALIMPTorsionSpringLoader;

/// A spring about an axis, between two attachment lines, one on each body. Its stiffness, rest angle and damping coefficient are value entities
/// (constants or expressions of time); their number forms make constants of
/// quantity AngularStiffness, Angle and AngularDamping.
///
/// A copy keeps the attachments and the behaviour; its values are linked by
/// the world's copy.
class ZALMP_EXPORT ZALMPTorsionSpring : public ZALMPConnector {
  ZALMP_DECLARE_KIND(ZALMPTorsionSpring, ZALMPConnector);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  ZALMP_DECLARE_LOADER(ZALIMPTorsionSpringLoader, ZALMPConnector);

  /// Where the spring holds each body; not saved.
  ZALMP_FIELD(ZALMathLine, FirstAttachment, m_firstAttachment);
  ZALMP_FIELD(ZALMathLine, SecondAttachment, m_secondAttachment);
  ZALMP_NUMBER_VALUE_PROPERTY(Stiffness);
  ZALMP_NUMBER_VALUE_PROPERTY(RestAngle);
  /// Any number is stored; one outside the behaviour table is saved as "Bidirectional".
  ZALMP_FIELD(ZALMPSpringBehavior::Enum, Behavior, m_behavior, ZALMPSpringBehavior::Bidirectional);
  ZALMP_NUMBER_VALUE_PROPERTY(DampingCoefficient);

  /// Element "TorsionSpring": the connector part, "Stiffness", "RestAngle",
  /// "Behavior" (its name) and "DampingCoefficient". S_OK when all four were
  /// written; else E_FAIL (reported), with what could be written.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "TorsionSpring" child of `parent`. S_OK when every child was
  /// applied; else E_FAIL (reported), with what could be applied.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPValue> m_stiffness;
  RVLSharedHandle<ZALMPValue> m_restAngle;
  RVLSharedHandle<ZALMPValue> m_dampingCoefficient;
};
