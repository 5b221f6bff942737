#define ZALMP_SOURCE_FILE "ZALMPSensor.m/src/ZALMPCollisionSensor"
#include <ZALMPAssertionReport.h>

#include <ZALIMPCollisionSensorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPCollisionRule.h>
#include <ZALMPCollisionSensor.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPInteraction.h>
#include <ZALMPLinkTable.h>

#include <array>
#include <string>

ZALMP_DEFINE_KIND(ZALMPCollisionSensor, ZALMPSensor);

// The contacts found belong to the original's model.
ZALMPCollisionSensor::ZALMPCollisionSensor(const ZALMPCollisionSensor& source) : ZALMPSensor(source) {}

ZALMP_DEFINE_LOADER(ZALMPCollisionSensor, ZALIMPCollisionSensorLoader);

HRESULT ZALMPCollisionSensor::SetCollisionRule(const RVLSharedHandle<ZALMPCollisionRule>& rule)
{
  return ZALMPSetLink(m_rule, rule, ZALMP_HERE);
}

HRESULT ZALMPCollisionSensor::SetInteraction(const RVLSharedHandle<ZALMPInteraction>& interaction)
{
  return ZALMPSetLink(m_interaction, interaction, ZALMP_HERE);
}

HRESULT ZALMPCollisionSensor::GetCollisionRule(RVLSharedHandle<ZALMPCollisionRule>& rule) const
{
  return ZALMPGetRequiredLink(m_rule, rule, ZALMP_HERE);
}

HRESULT ZALMPCollisionSensor::GetInteraction(RVLSharedHandle<ZALMPInteraction>& interaction) const
{
  return ZALMPGetRequiredLink(m_interaction, interaction, ZALMP_HERE);
}

HRESULT ZALMPCollisionSensor::AddContactData(const BodyPair& pair)
{
  m_pairs.insert(pair);
  return S_OK;
}

namespace {

template <class Record>
HRESULT Fetch(const std::vector<Record>& records, int index, Record& record)
{
  if (index < 0 || index >= static_cast<int>(records.size())) return E_FAIL;
  record = records[static_cast<std::size_t>(index)];
  return S_OK;
}

// A body of a record as a reference: "id" and "name" of the body, when there is one.
void WriteBody(const ZALMPFieldWriter& record, std::wstring_view id, const RVLSharedHandle<ZALMPBody>& body)
{
  if (!body) return;
  const ZALMPFieldWriter reference = record.Group(id);
  std::wstring identifier;
  if (SUCCEEDED(body->GetIdentifier(identifier))) reference.Attribute(L"id", identifier);
  reference.Attribute(L"name", body->getEntityName());
}

// The body a record's reference names; null when it is missing or unknown to
// `ids` (reported). A referent that is no body raises RVLEInvalidCast.
RVLSharedHandle<ZALMPBody> ReadBody(const ZALMPFieldReader& record, std::wstring_view id,
                                    const ZALMPIdentifierMap& ids)
{
  std::wstring identifier;
  const ZALMPFieldReader reference = record.Group(id);
  if (!reference || !reference.Attribute(L"id", identifier)) return nullptr;
  const auto found = ids.find(identifier);
  if (found == ids.end() || !found->second) {
    ZALMP_REPORT();
    return nullptr;
  }
  return RVLSharedHandle<ZALMPBody>(found->second);
}

using Geometry = ZALMPCollisionSensor::ZALMPContactGeometryData;
using Forces = ZALMPCollisionSensor::ZALMPContactForceData;

void WriteGeometry(const ZALMPFieldWriter& record, const Geometry& contact)
{
  WriteBody(record, L"FirstBody", contact.firstBody);
  WriteBody(record, L"SecondBody", contact.secondBody);
  record.Point(L"FirstContactPoint", contact.firstContactPoint);
  record.Point(L"SecondContactPoint", contact.secondContactPoint);
  record.Number(L"PenetrationDepth", contact.penetrationDepth);
  record.Vector(L"FirstNormalVector", contact.firstNormalVector);
  record.Vector(L"SecondNormalVector", contact.secondNormalVector);
}

Geometry ReadGeometry(const ZALMPFieldReader& record, const ZALMPIdentifierMap& ids)
{
  Geometry contact;
  contact.firstBody = ReadBody(record, L"FirstBody", ids);
  contact.secondBody = ReadBody(record, L"SecondBody", ids);
  record.Point(L"FirstContactPoint", contact.firstContactPoint);
  record.Point(L"SecondContactPoint", contact.secondContactPoint);
  record.Read(L"PenetrationDepth", contact.penetrationDepth);
  record.Vector(L"FirstNormalVector", contact.firstNormalVector);
  record.Vector(L"SecondNormalVector", contact.secondNormalVector);
  return contact;
}

// The eight vectors of a force record after its geometry, by element id.
const std::array<std::pair<const wchar_t*, ZALMathVector Forces::*>, 8> kForceVectors = {{
    {L"FirstContactForce", &Forces::firstContactForce},
    {L"SecondContactForce", &Forces::secondContactForce},
    {L"FirstContactTorque", &Forces::firstContactTorque},
    {L"SecondContactTorque", &Forces::secondContactTorque},
    {L"FirstNormalForce", &Forces::firstNormalForce},
    {L"SecondNormalForce", &Forces::secondNormalForce},
    {L"FirstFrictionForce", &Forces::firstFrictionForce},
    {L"SecondFrictionForce", &Forces::secondFrictionForce},
}};

// Writes `records` as the children `recordId` of the container `containerId`.
template <class Record, class WriteRecord>
void WriteContainer(const ZALMPFieldWriter& out, std::wstring_view containerId, std::wstring_view recordId,
                    const std::vector<Record>& records, const WriteRecord& write)
{
  const ZALMPFieldWriter container = out.Group(containerId);
  for (const Record& record : records) write(container.Group(recordId), record);
}

// Every child of the container, in order, read as a record; a missing container is reported.
template <class Record, class ReadRecord>
std::vector<Record> ReadContainer(const ZALMPFieldReader& in, std::wstring_view containerId, const ReadRecord& read)
{
  std::vector<Record> records;
  const ZALMPFieldReader container = in.Group(containerId);
  std::vector<ZALMPDeserializer*> children;
  if (!container || FAILED(container.Element()->GetElements(children))) return records;
  for (const ZALMPDeserializer* child : children) records.push_back(read(ZALMPFieldReader(child, ZALMP_HERE)));
  return records;
}

}  // namespace

HRESULT ZALMPCollisionSensor::SetContactGeometryData(const std::vector<ZALMPContactGeometryData>& records)
{
  m_geometry = records;
  return S_OK;
}

HRESULT ZALMPCollisionSensor::AddContactGeometryData(const ZALMPContactGeometryData& record)
{
  m_geometry.push_back(record);
  return S_OK;
}

HRESULT ZALMPCollisionSensor::GetContactGeometryData(int index, ZALMPContactGeometryData& record) const
{
  return Fetch(m_geometry, index, record);
}

HRESULT ZALMPCollisionSensor::SetContactForceData(const std::vector<ZALMPContactForceData>& records)
{
  m_forces = records;
  return S_OK;
}

HRESULT ZALMPCollisionSensor::AddContactForceData(const ZALMPContactForceData& record)
{
  m_forces.push_back(record);
  return S_OK;
}

HRESULT ZALMPCollisionSensor::GetContactForceData(int index, ZALMPContactForceData& record) const
{
  return Fetch(m_forces, index, record);
}

HRESULT ZALMPCollisionSensor::Update()
{
  return RefreshThrough<ZALIMPCollisionSensorLoader>(*this, ZALMP_HERE, S_FALSE);
}

// The rule and the interaction are never asked anything; the interaction is not saved.
ZALMP_DEFINE_LINKS(ZALMPCollisionSensor, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPCollisionSensor::m_rule, L"CollisionRule",
                                               &ZALMPCollisionSensor::SetCollisionRule, ZALMPFilteredCopy::Relinked,
                                               ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPCollisionSensor::m_interaction, L"Interaction",
                                               &ZALMPCollisionSensor::SetInteraction, ZALMPFilteredCopy::Relinked,
                                               ZALMP_HERE, ZALMPLinkRelease::Never));

HRESULT ZALMPCollisionSensor::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPSensor>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  LinkTable().OwnLinks()[0]->Write(*this, out.Element());
  WriteContainer(out, L"ContactGeometryDataContainer", L"ContactGeometryData", m_geometry, WriteGeometry);
  WriteContainer(out, L"ContactForceDataContainer", L"ContactForceData", m_forces,
                 [](const ZALMPFieldWriter& record, const Forces& contact) {
                   WriteGeometry(record, contact);
                   for (const auto& [id, member] : kForceVectors) record.Vector(id, contact.*member);
                 });
  return S_OK;
}

HRESULT ZALMPCollisionSensor::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPSensor>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  LinkTable().OwnLinks()[0]->Read(*this, in.Element(), ids);
  SetContactGeometryData(ReadContainer<Geometry>(
      in, L"ContactGeometryDataContainer", [&](const ZALMPFieldReader& record) { return ReadGeometry(record, ids); }));
  SetContactForceData(ReadContainer<Forces>(in, L"ContactForceDataContainer", [&](const ZALMPFieldReader& record) {
    Forces contact;
    static_cast<Geometry&>(contact) = ReadGeometry(record, ids);
    for (const auto& [id, member] : kForceVectors) record.Vector(id, contact.*member);
    return contact;
  }));
  return S_OK;
}
