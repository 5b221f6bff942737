#pragma once
#include "ZALMPConnector.h"
#include "ZALMPExport.h"
#include "ZALMPProperty.h"
#include "ZALMPSpringBehavior.h"
#include "ZALMPValueProperty.h"

#include <ZALMathPoint.h>

class ZALIMPLinearSpringLoader;

/// A spring between two attachment points, one on each body. Its stiffness, rest length and damping coefficient are value entities
/// (constants or expressions of time); their number forms make constants of
/// quantity LinearStiffness, Length and LinearDamping.
///
/// A copy keeps the attachments and the behaviour; its values are linked by
/// the world's copy.
class ZALMP_EXPORT ZALMPLinearSpring : public ZALMPConnector {
  ZALMP_DECLARE_KIND(ZALMPLinearSpring, ZALMPConnector);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  ZALMP_DECLARE_LOADER(ZALIMPLinearSpringLoader, ZALMPConnector);

  /// Where the spring holds each body; not saved.
  ZALMP_FIELD(ZALMathPoint, FirstAttachment, m_firstAttachment);
  ZALMP_FIELD(ZALMathPoint, SecondAttachment, m_secondAttachment);
  ZALMP_NUMBER_VALUE_PROPERTY(Stiffness);
  ZALMP_NUMBER_VALUE_PROPERTY(RestLength);
  /// Any number is stored; one outside the behaviour table is saved as "Bidirectional".
  ZALMP_FIELD(ZALMPSpringBehavior::Enum, Behavior, m_behavior, ZALMPSpringBehavior::Bidirectional);
  ZALMP_NUMBER_VALUE_PROPERTY(DampingCoefficient);

  /// Element "LinearSpring": the connector part, "Stiffness", "RestLength",
  /// "Behavior" (its name) and "DampingCoefficient". S_OK when all four were
  /// written; else E_FAIL (reported), with what could be written.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "LinearSpring" child of `parent`. S_OK when every child was
  /// applied; else E_FAIL (reported), with what could be applied.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPValue> m_stiffness;
  RVLSharedHandle<ZALMPValue> m_restLength;
  RVLSharedHandle<ZALMPValue> m_dampingCoefficient;
};
