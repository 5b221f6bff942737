#define ZALMP_SOURCE_FILE "ZALMPConnector.m/src/ZALMPLinearSpring"
#include <ZALMPAssertionReport.h>

#include "ZALMPRestSpring.h"
#include <ZALIMPLinearSpringLoader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPLinearSpring.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_KIND(ZALMPLinearSpring, ZALMPConnector);

ZALMPLinearSpring::ZALMPLinearSpring(const ZALMPLinearSpring& source)
    : ZALMPConnector(source),
      m_firstAttachment(source.m_firstAttachment),
      m_secondAttachment(source.m_secondAttachment),
      m_behavior(source.m_behavior)
{
}

ZALMP_DEFINE_LOADER(ZALMPLinearSpring, ZALIMPLinearSpringLoader);

ZALMP_DEFINE_NUMBER_VALUE_PROPERTY(ZALMPLinearSpring, Stiffness, m_stiffness, ZALMPPhysicalQuantity::LinearStiffness);
ZALMP_DEFINE_NUMBER_VALUE_PROPERTY(ZALMPLinearSpring, RestLength, m_restLength, ZALMPPhysicalQuantity::Length);
ZALMP_DEFINE_NUMBER_VALUE_PROPERTY(ZALMPLinearSpring, DampingCoefficient, m_dampingCoefficient,
                                   ZALMPPhysicalQuantity::LinearDamping);

// The values are the spring's own settings: never asked anything, kept when
// the spring is orphaned, and copied along with it by a filtered copy.
ZALMP_DEFINE_LINKS(ZALMPLinearSpring, &ZALMPConnector::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPLinearSpring::m_stiffness, L"Stiffness",
                                               &ZALMPLinearSpring::SetStiffness, ZALMPFilteredCopy::CopiedAlong,
                                               ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPLinearSpring::m_restLength, L"RestLength",
                                               &ZALMPLinearSpring::SetRestLength, ZALMPFilteredCopy::CopiedAlong,
                                               ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPLinearSpring::m_dampingCoefficient, L"DampingCoefficient",
                                               &ZALMPLinearSpring::SetDampingCoefficient,
                                               ZALMPFilteredCopy::CopiedAlong, ZALMP_HERE, ZALMPLinkRelease::Never));

namespace {

constexpr ZALMPValueField<ZALMPLinearSpring> kRest{L"RestLength", &ZALMPLinearSpring::GetRestLength,
                                                &ZALMPLinearSpring::SetRestLength};

}  // namespace

HRESULT ZALMPLinearSpring::Serialize(ZALMPSerializer* parent) const
{
  return ZALMPRestSpring<ZALMPLinearSpring>::Write(*this, parent, kRest, ZALMP_HERE);
}

HRESULT ZALMPLinearSpring::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  return ZALMPRestSpring<ZALMPLinearSpring>::Read(*this, parent, ids, kRest, ZALMP_HERE);
}

ZALMP_DEFINE_FIELDS(ZALMPLinearSpring, &ZALMPConnector::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPLinearSpring, FirstAttachment),
                    ZALMP_FIELD_ROW(ZALMPLinearSpring, SecondAttachment),
                    ZALMP_FIELD_ROW_OF(ZALMPLinearSpring, double, Stiffness),
                    ZALMP_FIELD_ROW_OF(ZALMPLinearSpring, double, RestLength),
                    ZALMP_FIELD_ROW(ZALMPLinearSpring, Behavior),
                    ZALMP_FIELD_ROW_OF(ZALMPLinearSpring, double, DampingCoefficient));
