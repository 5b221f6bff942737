#define ZALMP_SOURCE_FILE "ZALMPConnector.m/src/ZALMPTorsionSpring"
#include <ZALMPAssertionReport.h>

#include "ZALMPRestSpring.h"
#include <ZALIMPTorsionSpringLoader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPTorsionSpring.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_KIND(ZALMPTorsionSpring, ZALMPConnector);

ZALMPTorsionSpring::ZALMPTorsionSpring(const ZALMPTorsionSpring& source)
    : ZALMPConnector(source),
      m_firstAttachment(source.m_firstAttachment),
      m_secondAttachment(source.m_secondAttachment),
      m_behavior(source.m_behavior)
{
}

ZALMP_DEFINE_LOADER(ZALMPTorsionSpring, ZALIMPTorsionSpringLoader);

ZALMP_DEFINE_NUMBER_VALUE_PROPERTY(ZALMPTorsionSpring, Stiffness, m_stiffness, ZALMPPhysicalQuantity::AngularStiffness);
ZALMP_DEFINE_NUMBER_VALUE_PROPERTY(ZALMPTorsionSpring, RestAngle, m_restAngle, ZALMPPhysicalQuantity::Angle);
ZALMP_DEFINE_NUMBER_VALUE_PROPERTY(ZALMPTorsionSpring, DampingCoefficient, m_dampingCoefficient,
                                   ZALMPPhysicalQuantity::AngularDamping);

// The values are the spring's own settings: never asked anything, kept when
// the spring is orphaned, and copied along with it by a filtered copy.
ZALMP_DEFINE_LINKS(ZALMPTorsionSpring, &ZALMPConnector::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPTorsionSpring::m_stiffness, L"Stiffness",
                                               &ZALMPTorsionSpring::SetStiffness, ZALMPFilteredCopy::CopiedAlong,
                                               ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPTorsionSpring::m_restAngle, L"RestAngle",
                                               &ZALMPTorsionSpring::SetRestAngle, ZALMPFilteredCopy::CopiedAlong,
                                               ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPTorsionSpring::m_dampingCoefficient, L"DampingCoefficient",
                                               &ZALMPTorsionSpring::SetDampingCoefficient,
                                               ZALMPFilteredCopy::CopiedAlong, ZALMP_HERE, ZALMPLinkRelease::Never));

namespace {

constexpr ZALMPValueField<ZALMPTorsionSpring> kRest{L"RestAngle", &ZALMPTorsionSpring::GetRestAngle,
                                                &ZALMPTorsionSpring::SetRestAngle};

}  // namespace

HRESULT ZALMPTorsionSpring::Serialize(ZALMPSerializer* parent) const
{
  return ZALMPRestSpring<ZALMPTorsionSpring>::Write(*this, parent, kRest, ZALMP_HERE);
}

HRESULT ZALMPTorsionSpring::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  return ZALMPRestSpring<ZALMPTorsionSpring>::Read(*this, parent, ids, kRest, ZALMP_HERE);
}

ZALMP_DEFINE_FIELDS(ZALMPTorsionSpring, &ZALMPConnector::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPTorsionSpring, FirstAttachment),
                    ZALMP_FIELD_ROW(ZALMPTorsionSpring, SecondAttachment),
                    ZALMP_FIELD_ROW_OF(ZALMPTorsionSpring, double, Stiffness),
                    ZALMP_FIELD_ROW_OF(ZALMPTorsionSpring, double, RestAngle),
                    ZALMP_FIELD_ROW(ZALMPTorsionSpring, Behavior),
                    ZALMP_FIELD_ROW_OF(ZALMPTorsionSpring, double, DampingCoefficient));
