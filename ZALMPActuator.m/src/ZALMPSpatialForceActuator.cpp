#define ZALMP_SOURCE_FILE "ZALMPActuator.m/src/ZALMPSpatialForceActuator"
#include <ZALMPAssertionReport.h>

#include "ZALMPForceComponents.h"
#include "ZALMPLoaderCall.h"
#include <ZALIMPSpatialForceActuatorLoader.h>
#include <ZALMPBody.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSpatialForceActuator.h>
#include <ZALMPValueArrayLink.h>

ZALMP_DEFINE_KIND(ZALMPSpatialForceActuator, ZALMPActuator);

ZALMPSpatialForceActuator::ZALMPSpatialForceActuator(const ZALMPSpatialForceActuator& source)
    : ZALMPActuator(source),
      m_applicationPoint(source.m_applicationPoint),
      m_isInLocalFrame(source.m_isInLocalFrame),
      m_referenceFrame(source.m_referenceFrame)
{
}

ZALMP_DEFINE_LOADER(ZALMPSpatialForceActuator, ZALIMPSpatialForceActuatorLoader);

namespace {

using Force3 = ZALMPForceComponents<3>;
const std::vector<std::wstring> kNames = {L"Vx", L"Vy", L"Vz"};

ZALMathVector AsVector(const Force3::Numbers& numbers)
{
  return ZALMathVector(numbers[0], numbers[1], numbers[2]);
}

Force3::Numbers AsNumbers(const ZALMathVector& vector)
{
  return {vector.GetX(), vector.GetY(), vector.GetZ()};
}

ZALMathTransformation PlacementOf(const RVLSharedHandle<ZALMPBody>& body)
{
  ZALMathTransformation placement;
  body->GetPosition(placement);
  return placement;
}

}  // namespace

// How the body moved since its placement became the reference frame.
ZALMathTransformation ZALMPSpatialForceActuator::BodyMove() const
{
  return PlacementOf(m_body) * m_referenceFrame.Inverse();
}

HRESULT ZALMPSpatialForceActuator::SetComponents(Values& held, const Components& given,
                                                 const RVLSharedHandle<ZALMPBody>& frame, bool force)
{
  // Numbers given in a frame body's axes are held in world axes.
  const bool stored = Force3::Store(
      held, given,
      [&](const Force3::Numbers& numbers) -> std::optional<Force3::Numbers> {
        if (!frame) return std::nullopt;
        return AsNumbers(PlacementOf(frame) * AsVector(numbers));
      },
      ZALMP_HERE);
  const HRESULT told = ZALMPTellLoader<ZALIMPSpatialForceActuatorLoader>(
      *this,
      [&](ZALIMPSpatialForceActuatorLoader& loader) {
        return force ? loader.OnForceChanged(given) : loader.OnTorqueChanged(given);
      },
      ZALMP_HERE, false);
  return ZALMPStoredOrTold(stored, told);
}

HRESULT ZALMPSpatialForceActuator::GetComponents(const Values& held, Components& out,
                                                 const RVLSharedHandle<ZALMPBody>& frame) const
{
  if (Force3::AnyExpression(held) || (!frame && !m_isInLocalFrame)) {
    Force3::CopyOut(held, out);
    return S_OK;
  }
  if (frame && !frame.IsAlive()) return E_FAIL;
  ZALMathVector vector = AsVector(Force3::NumbersOf(held, false, ZALMP_HERE));
  if (frame) vector = PlacementOf(frame).Inverse() * vector;
  // In the local frame without a body there is no move to follow: the held vector stands.
  if (m_isInLocalFrame && m_body) vector = BodyMove() * vector;
  Force3::CopyOut(Force3::Constants(AsNumbers(vector)), out);
  return S_OK;
}

HRESULT ZALMPSpatialForceActuator::SetForce(const Components& force, const RVLSharedHandle<ZALMPBody>& frame)
{
  return SetComponents(m_force, force, frame, true);
}

HRESULT ZALMPSpatialForceActuator::SetTorque(const Components& torque, const RVLSharedHandle<ZALMPBody>& frame)
{
  return SetComponents(m_torque, torque, frame, false);
}

HRESULT ZALMPSpatialForceActuator::GetForce(Components& force, const RVLSharedHandle<ZALMPBody>& frame) const
{
  return GetComponents(m_force, force, frame);
}

HRESULT ZALMPSpatialForceActuator::GetTorque(Components& torque, const RVLSharedHandle<ZALMPBody>& frame) const
{
  return GetComponents(m_torque, torque, frame);
}

HRESULT ZALMPSpatialForceActuator::SetForce(const ZALMathVector& vector)
{
  Components components;
  Force3::CopyOut(Force3::Constants(AsNumbers(vector)), components);
  if (SUCCEEDED(SetForce(components))) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPSpatialForceActuator::SetTorque(const ZALMathVector& vector)
{
  Components components;
  Force3::CopyOut(Force3::Constants(AsNumbers(vector)), components);
  if (SUCCEEDED(SetTorque(components))) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPSpatialForceActuator::GetForce(ZALMathVector& vector) const
{
  vector = AsVector(Force3::NumbersOf(m_force, true, ZALMP_HERE));
  return S_OK;
}

HRESULT ZALMPSpatialForceActuator::GetTorque(ZALMathVector& vector) const
{
  vector = AsVector(Force3::NumbersOf(m_torque, true, ZALMP_HERE));
  return S_OK;
}

HRESULT ZALMPSpatialForceActuator::SetBody(const RVLSharedHandle<ZALMPBody>& body)
{
  if (body && body == m_body) return S_FALSE;
  if (FAILED(ZALMPSetLink(m_body, body, ZALMP_HERE))) return E_FAIL;
  m_referenceFrame = PlacementOf(body);
  return ZALMPTellLoader<ZALIMPSpatialForceActuatorLoader>(
      *this, [&](ZALIMPSpatialForceActuatorLoader& loader) { return loader.OnBodyChanged(body); }, ZALMP_HERE, false);
}

HRESULT ZALMPSpatialForceActuator::GetBody(RVLSharedHandle<ZALMPBody>& body) const
{
  return ZALMPGetLink(m_body, body);
}

HRESULT ZALMPSpatialForceActuator::SetApplicationPoint(const ZALMathPoint& point, const RVLSharedHandle<ZALMPBody>& ref)
{
  if (point == m_applicationPoint) return S_FALSE;
  bool stored = true;
  if (!ref)
    m_applicationPoint = point;
  else if (m_body)
    m_applicationPoint = PlacementOf(ref) * PlacementOf(m_body).Inverse() * point;
  else
    stored = false;
  const HRESULT told = ZALMPTellLoader<ZALIMPSpatialForceActuatorLoader>(
      *this,
      [&](ZALIMPSpatialForceActuatorLoader& loader) { return loader.OnApplicationPointChanged(m_applicationPoint); },
      ZALMP_HERE, true, stored ? S_FALSE : E_FAIL);
  return ZALMPStoredOrTold(stored, told);
}

HRESULT ZALMPSpatialForceActuator::GetApplicationPoint(ZALMathPoint& point) const
{
  if (m_body) point = BodyMove() * m_applicationPoint;
  return S_OK;
}

// The body is never asked anything; the components are the actuator's own
// settings, copied along with it by a filtered copy.
using ZALMPSpatialForceValues = ZALMPValueArrayLink<ZALMPSpatialForceActuator, 3>;

ZALMP_DEFINE_LINKS(ZALMPSpatialForceActuator, &ZALMPEntity::LinkTable(), Success,
                   std::make_unique<ZALMPSpatialForceValues>(&ZALMPSpatialForceActuator::m_force, L"Force", ZALMP_HERE),
                   std::make_unique<ZALMPSpatialForceValues>(&ZALMPSpatialForceActuator::m_torque, L"Torque",
                                                             ZALMP_HERE),
                   ZALMPLinkTable::OneNotAsked(&ZALMPSpatialForceActuator::m_body, L"Body",
                                               &ZALMPSpatialForceActuator::SetBody, ZALMPFilteredCopy::Relinked,
                                               ZALMP_HERE, ZALMPLinkRelease::Never));

// The components are written as held: they are entities of the world, so the
// document reads back whole, also in the local frame (reading recaptures the
// reference frame from the body's saved placement).
HRESULT ZALMPSpatialForceActuator::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPActuator>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  ZALMathPoint point = m_applicationPoint;
  GetApplicationPoint(point);
  const bool forceWritten = ZALMPWriteComponents(out, L"Force", m_force, kNames);
  const bool torqueWritten = ZALMPWriteComponents(out, L"Torque", m_torque, kNames);
  const bool flagWritten = out.Value(L"IsInLocalFrame", m_isInLocalFrame);
  const bool pointWritten = out.Point(L"ApplicationPoint", point);
  const bool written = forceWritten && torqueWritten && flagWritten && pointWritten;
  LinkTable().OwnLinks()[2]->Write(*this, out.Element());
  if (written) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPSpatialForceActuator::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPActuator>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  Components force, torque;
  ZALMathPoint point;
  const bool forceRead = ZALMPReadComponents(in, L"Force", ids, force, kNames) && SUCCEEDED(SetForce(force));
  const bool torqueRead = ZALMPReadComponents(in, L"Torque", ids, torque, kNames) && SUCCEEDED(SetTorque(torque));
  const bool flagRead = in.Read(L"IsInLocalFrame", m_isInLocalFrame);
  const bool pointRead = in.Point(L"ApplicationPoint", point) && SUCCEEDED(SetApplicationPoint(point));
  LinkTable().OwnLinks()[2]->Read(*this, in.Element(), ids);
  if (forceRead && torqueRead && flagRead && pointRead) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

ZALMP_DEFINE_FIELDS(ZALMPSpatialForceActuator, &ZALMPActuator::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPSpatialForceActuator, IsInLocalFrame),
                    ZALMP_FIELD_ROW_OF(ZALMPSpatialForceActuator, ZALMathVector, Force),
                    ZALMP_FIELD_ROW_OF(ZALMPSpatialForceActuator, ZALMathVector, Torque));
