#define ZALMP_SOURCE_FILE "ZALMPActuator.m/src/ZALMPSpatialForceActuator2D"
#include <ZALMPAssertionReport.h>

#include "ZALMPForceComponents.h"
#include "ZALMPLoaderCall.h"
#include <ZALIMPSpatialForceActuator2DLoader.h>
#include <ZALMPBody2D.h>
#include <ZALMPFieldTable.h>
#include <ZALMPSpatialForceActuator2D.h>
#include <ZALMPValueArrayLink.h>

ZALMP_DEFINE_KIND(ZALMPSpatialForceActuator2D, ZALMPActuator);

ZALMPSpatialForceActuator2D::ZALMPSpatialForceActuator2D(const ZALMPSpatialForceActuator2D& source)
    : ZALMPActuator(source), m_applicationPoint(source.m_applicationPoint), m_isInLocalFrame(source.m_isInLocalFrame)
{
}

ZALMP_DEFINE_LOADER(ZALMPSpatialForceActuator2D, ZALIMPSpatialForceActuator2DLoader);

namespace {

using Force2 = ZALMPForceComponents<2>;
using Torque1 = ZALMPForceComponents<1>;
const std::vector<std::wstring> kForceNames = {L"Vx", L"Vy"};
const std::vector<std::wstring> kTorqueNames = {L"Vx"};

// The planar components are held as given: no frame converts them.
template <std::size_t N>
std::optional<typename ZALMPForceComponents<N>::Numbers> AsGiven(const typename ZALMPForceComponents<N>::Numbers&)
{
  return std::nullopt;
}

}  // namespace

HRESULT ZALMPSpatialForceActuator2D::SetForce(const Force& force)
{
  const bool stored = Force2::Store(m_force, force, AsGiven<2>, ZALMP_HERE);
  const HRESULT told = ZALMPTellLoader<ZALIMPSpatialForceActuator2DLoader>(
      *this, [&](ZALIMPSpatialForceActuator2DLoader& loader) { return loader.OnForceChanged(force); }, ZALMP_HERE,
      false);
  return ZALMPStoredOrTold(stored, told);
}

HRESULT ZALMPSpatialForceActuator2D::SetTorque(const Torque& torque)
{
  const bool stored = Torque1::Store(m_torque, torque, AsGiven<1>, ZALMP_HERE);
  const HRESULT told = ZALMPTellLoader<ZALIMPSpatialForceActuator2DLoader>(
      *this, [&](ZALIMPSpatialForceActuator2DLoader& loader) { return loader.OnTorqueChanged(torque); }, ZALMP_HERE,
      false);
  return ZALMPStoredOrTold(stored, told);
}

HRESULT ZALMPSpatialForceActuator2D::GetForce(Force& force) const
{
  Force2::CopyOut(m_force, force);
  return S_OK;
}

HRESULT ZALMPSpatialForceActuator2D::GetTorque(Torque& torque) const
{
  Torque1::CopyOut(m_torque, torque);
  return S_OK;
}

HRESULT ZALMPSpatialForceActuator2D::SetForce(const ZALMathVector2D& vector)
{
  Force components;
  Force2::CopyOut(Force2::Constants({vector.GetX(), vector.GetY()}), components);
  if (SUCCEEDED(SetForce(components))) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPSpatialForceActuator2D::SetTorque(const double& torque)
{
  Torque components;
  Torque1::CopyOut(Torque1::Constants({torque}), components);
  if (SUCCEEDED(SetTorque(components))) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPSpatialForceActuator2D::GetForce(ZALMathVector2D& vector) const
{
  const Force2::Numbers numbers = Force2::NumbersOf(m_force, true, ZALMP_HERE);
  vector = ZALMathVector2D(numbers[0], numbers[1]);
  return S_OK;
}

HRESULT ZALMPSpatialForceActuator2D::GetTorque(double& torque) const
{
  torque = 0.0;
  const RVLSharedHandle<ZALMPConstant> constant = RVLSharedHandle<ZALMPConstant>::TryNarrow(m_torque[0]);
  if (constant && SUCCEEDED(constant->GetValue(torque))) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPSpatialForceActuator2D::SetBody(const RVLSharedHandle<ZALMPBody2D>& body)
{
  if (body && body == m_body) return S_FALSE;
  if (FAILED(ZALMPSetLink(m_body, body, ZALMP_HERE))) return E_FAIL;
  return ZALMPTellLoader<ZALIMPSpatialForceActuator2DLoader>(
      *this, [&](ZALIMPSpatialForceActuator2DLoader& loader) { return loader.OnBodyChanged(body); }, ZALMP_HERE,
      false);
}

HRESULT ZALMPSpatialForceActuator2D::GetBody(RVLSharedHandle<ZALMPBody2D>& body) const
{
  return ZALMPGetLink(m_body, body);
}

HRESULT ZALMPSpatialForceActuator2D::SetApplicationPoint(const ZALMathPoint2D& point)
{
  if (point == m_applicationPoint) return S_FALSE;
  m_applicationPoint = point;
  return ZALMPTellLoader<ZALIMPSpatialForceActuator2DLoader>(
      *this, [&](ZALIMPSpatialForceActuator2DLoader& loader) { return loader.OnApplicationPointChanged(point); },
      ZALMP_HERE, false);
}

HRESULT ZALMPSpatialForceActuator2D::GetApplicationPoint(ZALMathPoint2D& point) const
{
  point = m_applicationPoint;
  return S_OK;
}

// The body is never asked anything; the components are the actuator's own
// settings, copied along with it by a filtered copy.
ZALMP_DEFINE_LINKS(
    ZALMPSpatialForceActuator2D, &ZALMPEntity::LinkTable(), Success,
    std::make_unique<ZALMPValueArrayLink<ZALMPSpatialForceActuator2D, 2>>(&ZALMPSpatialForceActuator2D::m_force,
                                                                          L"Force2D", ZALMP_HERE),
    std::make_unique<ZALMPValueArrayLink<ZALMPSpatialForceActuator2D, 1>>(&ZALMPSpatialForceActuator2D::m_torque,
                                                                          L"Torque2D", ZALMP_HERE),
    ZALMPLinkTable::OneNotAsked(&ZALMPSpatialForceActuator2D::m_body, L"Body2D",
                                &ZALMPSpatialForceActuator2D::SetBody, ZALMPFilteredCopy::Relinked, ZALMP_HERE,
                                ZALMPLinkRelease::Never));

HRESULT ZALMPSpatialForceActuator2D::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPActuator>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  const bool forceWritten = ZALMPWriteComponents(out, L"Force2D", m_force, kForceNames);
  const bool torqueWritten = ZALMPWriteComponents(out, L"Torque2D", m_torque, kTorqueNames);
  const bool flagWritten = out.Value(L"IsInLocalFrame", m_isInLocalFrame);
  const bool pointWritten = out.Point(L"ApplicationPoint2D", m_applicationPoint);
  LinkTable().OwnLinks()[2]->Write(*this, out.Element());
  if (forceWritten && torqueWritten && flagWritten && pointWritten) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPSpatialForceActuator2D::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPActuator>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  Force force;
  Torque torque;
  ZALMathPoint2D point;
  const bool forceRead = ZALMPReadComponents(in, L"Force2D", ids, force, kForceNames) && SUCCEEDED(SetForce(force));
  const bool torqueRead =
      ZALMPReadComponents(in, L"Torque2D", ids, torque, kTorqueNames) && SUCCEEDED(SetTorque(torque));
  const bool flagRead = in.Read(L"IsInLocalFrame", m_isInLocalFrame);
  const bool pointRead = in.Point(L"ApplicationPoint2D", point) && SUCCEEDED(SetApplicationPoint(point));
  LinkTable().OwnLinks()[2]->Read(*this, in.Element(), ids);
  if (forceRead && torqueRead && flagRead && pointRead) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

ZALMP_DEFINE_FIELDS(ZALMPSpatialForceActuator2D, &ZALMPActuator::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPSpatialForceActuator2D, IsInLocalFrame),
                    ZALMP_FIELD_ROW_OF(ZALMPSpatialForceActuator2D, ZALMathVector2D, Force),
                    ZALMPFieldTable::Field<ZALMPSpatialForceActuator2D, double>(
                        L"Torque", &ZALMPSpatialForceActuator2D::GetTorque,
                        static_cast<HRESULT (ZALMPSpatialForceActuator2D::*)(const double&)>(&ZALMPSpatialForceActuator2D::SetTorque),
                        ZALMP_HERE),
                    ZALMP_FIELD_ROW(ZALMPSpatialForceActuator2D, ApplicationPoint));
