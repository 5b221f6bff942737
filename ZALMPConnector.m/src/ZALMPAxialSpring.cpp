#define ZALMP_SOURCE_FILE "ZALMPConnector.m/src/ZALMPAxialSpring"
#include <ZALMPAssertionReport.h>

#include "ZALMPValueField.h"
#include <ZALIMPAxialSpringLoader.h>
#include <ZALMPAxialSpring.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_KIND(ZALMPAxialSpring, ZALMPConnector);

ZALMPAxialSpring::ZALMPAxialSpring(const ZALMPAxialSpring& source)
    : ZALMPConnector(source), m_behavior(source.m_behavior)
{
}

ZALMP_DEFINE_LOADER(ZALMPAxialSpring, ZALIMPAxialSpringLoader);

ZALMP_DEFINE_VALUE_PROPERTY(ZALMPAxialSpring, RestLength, m_restLength);
ZALMP_DEFINE_VALUE_PROPERTY(ZALMPAxialSpring, Stiffness, m_stiffness);
ZALMP_DEFINE_VALUE_PROPERTY(ZALMPAxialSpring, Damping, m_damping);

HRESULT ZALMPAxialSpring::SetActuatorForce(const RVLSharedHandle<ZALMPValue>& value)
{
  return ZALMPSetLink(m_actuatorForce, value, ZALMP_HERE);
}

HRESULT ZALMPAxialSpring::GetActuatorForce(RVLSharedHandle<ZALMPValue>& value) const
{
  return ZALMPGetLink(m_actuatorForce, value);
}

// The values are the spring's own settings: never asked anything, kept when
// the spring is orphaned, and copied along with it by a filtered copy.
ZALMP_DEFINE_LINKS(
    ZALMPAxialSpring, &ZALMPConnector::LinkTable(), Success,
    ZALMPLinkTable::OneNotAsked(&ZALMPAxialSpring::m_restLength, L"RestLength", &ZALMPAxialSpring::SetRestLength,
                                ZALMPFilteredCopy::CopiedAlong, ZALMP_HERE, ZALMPLinkRelease::Never),
    ZALMPLinkTable::OneNotAsked(&ZALMPAxialSpring::m_stiffness, L"Stiffness", &ZALMPAxialSpring::SetStiffness,
                                ZALMPFilteredCopy::CopiedAlong, ZALMP_HERE, ZALMPLinkRelease::Never),
    ZALMPLinkTable::OneNotAsked(&ZALMPAxialSpring::m_damping, L"Damping", &ZALMPAxialSpring::SetDamping,
                                ZALMPFilteredCopy::CopiedAlong, ZALMP_HERE, ZALMPLinkRelease::Never),
    ZALMPLinkTable::OneNotAsked(&ZALMPAxialSpring::m_actuatorForce, L"PreLoadForce",
                                &ZALMPAxialSpring::SetActuatorForce, ZALMPFilteredCopy::CopiedAlong, ZALMP_HERE,
                                ZALMPLinkRelease::Never));

namespace {

using Field = ZALMPValueField<ZALMPAxialSpring>;
constexpr Field kRestLength{L"RestLength", &ZALMPAxialSpring::GetRestLength, &ZALMPAxialSpring::SetRestLength};
constexpr Field kStiffness{L"Stiffness", &ZALMPAxialSpring::GetStiffness, &ZALMPAxialSpring::SetStiffness};
constexpr Field kDamping{L"Damping", &ZALMPAxialSpring::GetDamping, &ZALMPAxialSpring::SetDamping};
constexpr Field kPreLoadForce{L"PreLoadForce", &ZALMPAxialSpring::GetActuatorForce,
                              &ZALMPAxialSpring::SetActuatorForce};

HRESULT AllDone(bool done)
{
  if (done) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

}  // namespace

HRESULT ZALMPAxialSpring::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPConnector>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  bool done = out.Name<ZALMPSpringBehavior>(L"Behavior", m_behavior);
  done = kRestLength.Write(*this, out.Element()) && done;
  done = kStiffness.Write(*this, out.Element()) && done;
  done = kDamping.Write(*this, out.Element()) && done;
  // The element always holds a pre-load force; without an actuator force it
  // names a constant of no world, which reading cannot find.
  const RVLSharedHandle<ZALMPValue> preLoad = m_actuatorForce ? m_actuatorForce : EmptyForce(L"");
  ZALMPSerializer* element = out.Element();
  done = SUCCEEDED(ZALMPSerializationServices::Serialize(element, preLoad, kPreLoadForce.id)) && done;
  return AllDone(done);
}

HRESULT ZALMPAxialSpring::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPConnector>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  bool done = in.Name<ZALMPSpringBehavior>(L"Behavior", m_behavior);
  done = kRestLength.Read(*this, in.Element(), ids) && done;
  done = kStiffness.Read(*this, in.Element(), ids) && done;
  done = kDamping.Read(*this, in.Element(), ids) && done;
  done = kPreLoadForce.Read(*this, in.Element(), ids) && done;
  return AllDone(done);
}

ZALMP_DEFINE_FIELDS(ZALMPAxialSpring, &ZALMPConnector::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPAxialSpring, Behavior));
