#define ZALMP_SOURCE_FILE "ZALMPBody.m/src/ZALMPBody"
#include <ZALMPAssertionReport.h>

#include "ZALMPBodyMotion.h"

#include <ZALIMPBodyLoader.h>
#include <ZALMPBody.h>
#include <ZALMPConnector.h>
#include <ZALMPDeserializer.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPGeometry.h>
#include <ZALMPJoint.h>
#include <ZALMPLinkTable.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSerializer.h>
#include <ZALMPShape.h>
#include <ZALMPVersion.h>

#include <RVLBasicBody3D.h>
#include <ZALMathLine.h>

#include <string>
#include <string_view>

ZALMP_DEFINE_KIND(ZALMPBody, ZALMPEntity);

namespace {

// The host names its bodies with a fixed-length prefix and may mark a body
// being edited; neither belongs in the model's name.
constexpr std::size_t kHostNamePrefixLength = 18;
constexpr std::wstring_view kInWorkMarks[] = {L"---IN_WORK", L"--- IN_WORK"};

std::wstring ModelNameOf(const RVLBasicBody3D& hostBody)
{
  // The host's name mode 1, with its external separator.
  std::wstring name = hostBody.getEntityName(RVLBasicEntity::InternalName, RVLBasicEntity::ExternalNameSeparator);
  name.erase(0, kHostNamePrefixLength);
  for (const std::wstring_view mark : kInWorkMarks) {
    const std::size_t at = name.find(mark);
    if (at != std::wstring::npos) name.erase(at, mark.size());
  }
  return name;
}

bool HasPositiveComponent(const ZALMathVector& vector)
{
  return vector.GetX() > 0.0 || vector.GetY() > 0.0 || vector.GetZ() > 0.0;
}

}  // namespace

ZALMPBody::ZALMPBody(const ZALMPBody& source)
    : ZALMPEntity(source),
      m_fixed(source.m_fixed),
      m_outOfWorld(source.m_outOfWorld),
      m_position(source.m_position),
      m_linearVelocity(source.m_linearVelocity),
      m_angularVelocity(source.m_angularVelocity),
      m_linearAcceleration(source.m_linearAcceleration),
      m_angularAcceleration(source.m_angularAcceleration),
      m_mass(source.m_mass),
      m_centerOfGravity(source.m_centerOfGravity),
      m_inertia(source.m_inertia)
{
}

ZALMPBody::ZALMPBody(const ZALMPBody& source, SpatialStateAtDefaults) : ZALMPEntity(source) {}

RVLSharedHandle<ZALMPBody> ZALMPBody::Self()
{
  return RVLSharedHandle<ZALMPBody>(this);
}

ZALMP_DEFINE_LOADER(ZALMPBody, ZALIMPBodyLoader);

ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPBody, ZALMPGeometry, m_geometries, AddGeometry, RemoveGeometry,
                                  GetGeometryCount, GetGeometry);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPBody, ZALMPJoint, m_joints, LinkToJoint, RemoveJoint, GetLinkedJointCount,
                                  GetLinkedJoint);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPBody, ZALMPShape, m_shapes, LinkToShape, RemoveShape, GetLinkedShapeCount,
                                  GetLinkedShape);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPBody, ZALMPConnector, m_connectors, LinkToConnector, RemoveConnector,
                                  GetLinkedConnectorCount, GetLinkedConnector);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPBody, ZALMPBody, m_impactedChildren, AddImpactedChildBody, RemoveBody,
                                  GetImpactedChildBodyCount, GetImpactedChildBody);

HRESULT ZALMPBody::SetDisplacementSensor(const RVLSharedHandle<ZALMPDisplacementSensor>& sensor)
{
  m_displacementSensor = sensor;
  return S_OK;
}

HRESULT ZALMPBody::GetDisplacementSensor(RVLSharedHandle<ZALMPDisplacementSensor>& sensor) const
{
  sensor = m_displacementSensor;
  return sensor ? S_OK : E_FAIL;
}

HRESULT ZALMPBody::RemoveDisplacementSensor(const RVLSharedHandle<ZALMPDisplacementSensor>& sensor)
{
  if (!sensor) {
    ZALMP_REPORT();
    return S_OK;
  }
  if (sensor == m_displacementSensor) m_displacementSensor.Release();
  return S_OK;
}

HRESULT ZALMPBody::AddBody(const RVLSharedHandle<ZALMPBody>& child)
{
  if (m_hostBody && child) m_hostBody->addBody(child->m_hostBody);
  return S_OK;
}

HRESULT ZALMPBody::SetVelocity(const ZALMathVector& linear, const ZALMathVector& angular)
{
  m_linearVelocity = linear;
  m_angularVelocity = angular;
  return ZALMPBodyMotion::TellVelocity<ZALIMPBodyLoader>(*this, m_velocityKnown, linear, angular, ZALMP_HERE);
}

HRESULT ZALMPBody::GetVelocity(ZALMathVector& linear, ZALMathVector& angular) const
{
  if (!m_velocityKnown) return E_FAIL;
  linear = m_linearVelocity;
  angular = m_angularVelocity;
  return S_OK;
}

HRESULT ZALMPBody::GetVelocity(ZALMathVector& linear, ZALMathVector& angular, ZALMathPoint& point)
{
  return ZALMPBodyMotion::ComputeAtPoint(*this, &ZALIMPBodyLoader::ComputeVelocity, m_linearVelocity,
                                         m_angularVelocity, point, linear, angular, ZALMP_HERE);
}

HRESULT ZALMPBody::SetAcceleration(const ZALMathVector& linear, const ZALMathVector& angular)
{
  m_linearAcceleration = linear;
  m_angularAcceleration = angular;
  return S_OK;
}

HRESULT ZALMPBody::GetAcceleration(ZALMathVector& linear, ZALMathVector& angular) const
{
  linear = m_linearAcceleration;
  angular = m_angularAcceleration;
  return S_OK;
}

HRESULT ZALMPBody::GetAcceleration(ZALMathVector& linear, ZALMathVector& angular, ZALMathPoint& point)
{
  return ZALMPBodyMotion::ComputeAtPoint(*this, &ZALIMPBodyLoader::ComputeAcceleration, m_linearAcceleration,
                                         m_angularAcceleration, point, linear, angular, ZALMP_HERE);
}

HRESULT ZALMPBody::GetVelocityAndAcceleration(ZALMathVector& linearVelocity, ZALMathVector& angularVelocity,
                                              ZALMathVector& linearAcceleration, ZALMathVector& angularAcceleration,
                                              ZALMathPoint& point, unsigned char& flag, ZALMathLine& line,
                                              PointWhereToComputeVelAndAcc where, const ZALMathPoint* referencePoint,
                                              RVLSharedHandle<ZALMPBody> referenceBody,
                                              const ZALMathAxis* referenceAxis)
{
  const HRESULT status = ZALMPBodyMotion::ComputeWith<ZALIMPBodyLoader>(
      *this,
      [&](ZALIMPBodyLoader& loader) {
        return loader.ComputeVelocityAndAcceleration(m_linearVelocity, m_angularVelocity, m_linearAcceleration,
                                                     m_angularAcceleration, point, flag, line, where, referencePoint,
                                                     referenceBody, referenceAxis);
      },
      ZALMP_HERE);
  if (FAILED(status)) return status;
  linearVelocity = m_linearVelocity;
  angularVelocity = m_angularVelocity;
  linearAcceleration = m_linearAcceleration;
  angularAcceleration = m_angularAcceleration;
  return S_OK;
}

HRESULT ZALMPBody::GetVelocityAndAcceleration(ZALMathVector& linearVelocity, ZALMathVector& angularVelocity,
                                              ZALMathVector& linearAcceleration, ZALMathVector& angularAcceleration,
                                              ZALMathPoint& point, PointWhereToComputeVelAndAcc where,
                                              const ZALMathPoint* referencePoint,
                                              RVLSharedHandle<ZALMPBody> referenceBody,
                                              const ZALMathAxis* referenceAxis)
{
  unsigned char flag = 0;
  ZALMathLine line;
  return GetVelocityAndAcceleration(linearVelocity, angularVelocity, linearAcceleration, angularAcceleration, point,
                                    flag, line, where, referencePoint, std::move(referenceBody), referenceAxis);
}

bool ZALMPBody::IsFixed() const
{
  return m_fixed;
}

void ZALMPBody::Fix()
{
  ZALMPBodyMotion::Switch(*this, m_fixed, true, &ZALIMPBodyLoader::Fix, ZALMP_HERE);
}

void ZALMPBody::Unfix()
{
  ZALMPBodyMotion::Switch(*this, m_fixed, false, &ZALIMPBodyLoader::Unfix, ZALMP_HERE);
}

void ZALMPBody::SetFix(bool fixed)
{
  if (fixed)
    Fix();
  else
    Unfix();
}

HRESULT ZALMPBody::SetOutOfWorld(bool outOfWorld)
{
  m_outOfWorld = outOfWorld;
  return S_OK;
}

HRESULT ZALMPBody::IsOutOfWorld(bool& outOfWorld) const
{
  outOfWorld = m_outOfWorld;
  return S_OK;
}

HRESULT ZALMPBody::GetPosition(ZALMathTransformation& position) const
{
  if (m_hostBody.IsAlive())
    m_hostBody->GetPosition(position);
  else
    position = m_position;
  return S_OK;
}

HRESULT ZALMPBody::SetPosition(const ZALMathTransformation& position, unsigned char pushToHost)
{
  // The loader hears of the relative move; a singular stored placement gives
  // no usable move, and the identity stands for it.
  ZALMathTransformation delta;
  ZALMathTransformation inverse;
  if (m_position.Inverse(inverse)) {
    delta = position * inverse;
    if (delta.IsIdentity()) return S_OK;
  }
  m_position = position;
  const HRESULT status = ZALMPBodyMotion::TellMove<ZALIMPBodyLoader>(*this, delta, ZALMP_HERE);

  if (!pushToHost) return status;
  if (m_hostBody.IsAlive() && FAILED(m_hostBody->SetPosition(position))) ZALMP_REPORT();
  return S_OK;
}

HRESULT ZALMPBody::UpdatePosition(const ZALMathTransformation& delta, bool skipIdentity)
{
  if (skipIdentity && delta.IsIdentity()) return S_OK;
  m_position = delta * m_position;
  if (m_hostBody.IsAlive() && FAILED(m_hostBody->SetPosition(m_position))) ZALMP_REPORT();
  const HRESULT status = ZALMPBodyMotion::RecordMove(*this, m_displacementSensor, delta, ZALMP_HERE);
  // The children keep their placements; each re-publishes it to its host
  // body and its observers, and passes the update on to its own children.
  ZALMPBodyMotion::UpdateChildren<ZALMathTransformation>(m_impactedChildren, ZALMP_HERE);
  return status;
}

HRESULT ZALMPBody::ApplyBodyLoaderTransfo(const ZALMathTransformation& relative)
{
  return ZALMPBodyMotion::TellMove<ZALIMPBodyLoader>(*this, relative, ZALMP_HERE);
}

HRESULT ZALMPBody::SetWDMBody(const RVLSharedHandle<RVLBasicBody3D>& hostBody)
{
  if (!hostBody.IsAlive()) return S_FALSE;
  hostBody->GetPosition(m_position);
  m_hostBody = hostBody;
  m_initialFloating = hostBody->isFloating();
  setEntityName(ModelNameOf(*hostBody));
  return S_OK;
}

HRESULT ZALMPBody::SetFloating(bool)
{
  return Restore_Initial_WDMBody_Floating_status();
}

HRESULT ZALMPBody::Restore_Initial_WDMBody_Floating_status()
{
  if (m_hostBody.IsAlive()) m_hostBody->setFloating(m_initialFloating);
  return S_OK;
}

// RemoveParent asks the displacement sensor first (the single link), then
// every geometry, joint, shape, connector and impacted child; the first
// failure ends it, else the last answer is returned. ClearContainers empties
// the five lists; the host body stays.
ZALMP_DEFINE_LINKS(
    ZALMPBody, &ZALMPEntity::LinkTable(), LastPartner,
    ZALMPLinkTable::List(&ZALMPBody::m_geometries, L"Geometries", L"Geometry", &ZALMPBody::AddGeometry,
                         &ZALMPGeometry::RemoveBody, ZALMPFilteredCopy::Relinked, ZALMP_HERE),
    ZALMPLinkTable::List(&ZALMPBody::m_joints, L"Joints", L"Joint", &ZALMPBody::LinkToJoint, &ZALMPJoint::RemoveBody,
                         ZALMPFilteredCopy::Relinked, ZALMP_HERE),
    ZALMPLinkTable::List(&ZALMPBody::m_shapes, L"Shapes", L"Shape", &ZALMPBody::LinkToShape, &ZALMPShape::RemoveBody,
                         ZALMPFilteredCopy::Relinked, ZALMP_HERE),
    ZALMPLinkTable::List(&ZALMPBody::m_connectors, L"Connectors", L"Connector", &ZALMPBody::LinkToConnector,
                         &ZALMPConnector::RemoveBody, ZALMPFilteredCopy::Relinked, ZALMP_HERE),
    ZALMPLinkTable::One(&ZALMPBody::m_displacementSensor, L"DisplacementSensor", &ZALMPBody::SetDisplacementSensor,
                        &ZALMPDisplacementSensor::RemoveBody, ZALMPFilteredCopy::Dropped, ZALMP_HERE),
    ZALMPLinkTable::List(&ZALMPBody::m_impactedChildren, L"ImpactedChildrenBodies", L"ImpactedChildBody",
                         &ZALMPBody::AddImpactedChildBody, &ZALMPBody::RemoveBody, ZALMPFilteredCopy::Dropped,
                         ZALMP_HERE));

HRESULT ZALMPBody::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPEntity>(*this, element, ZALMP_HERE);
  if (!out) return E_FAIL;
  ZALMathTransformation placement;
  GetPosition(placement);
  out.Placement(L"Position", placement);
  if (const ZALMPFieldWriter velocity = out.Group(L"Velocity")) {
    velocity.Vector(L"LinearVelocity", m_linearVelocity);
    velocity.Vector(L"AngularVelocity", m_angularVelocity);
  }
  if (const ZALMPFieldWriter acceleration = out.Group(L"Acceleration")) {
    acceleration.Vector(L"LinearAcceleration", m_linearAcceleration);
    acceleration.Vector(L"AngularAcceleration", m_angularAcceleration);
  }
  if (const ZALMPFieldWriter weight = out.Group(L"Weight")) {
    weight.Number(L"Mass", m_mass);
    weight.Point(L"COG", m_centerOfGravity);
    weight.Matrix(L"InertiaMatrix", m_inertia);
  }
  out.Attribute(L"is_fixed", m_fixed ? L"yes" : L"no");
  if (ZALMPVersion::IsAtLeast(out.Version(), ZALMPVersion::kR2016_1)) out.Value(L"OutOfWorld", m_outOfWorld);
  LinkTable().Write(*this, out.Element());
  return S_OK;
}

HRESULT ZALMPBody::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPEntity>(*this, element, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  // The placement goes through SetPosition, so a loader and a bound host body follow.
  ZALMathTransformation placement;
  if (in.Placement(L"Position", placement)) SetPosition(placement, 1);
  // Velocities count as known once either has a positive component.
  if (const ZALMPFieldReader velocity = in.Group(L"Velocity")) {
    if (velocity.Vector(L"LinearVelocity", m_linearVelocity) && HasPositiveComponent(m_linearVelocity))
      m_velocityKnown = true;
    if (velocity.Vector(L"AngularVelocity", m_angularVelocity) && HasPositiveComponent(m_angularVelocity))
      m_velocityKnown = true;
  }
  if (const ZALMPFieldReader acceleration = in.Group(L"Acceleration")) {
    acceleration.Vector(L"LinearAcceleration", m_linearAcceleration);
    acceleration.Vector(L"AngularAcceleration", m_angularAcceleration);
  }
  if (const ZALMPFieldReader weight = in.Group(L"Weight")) {
    weight.Read(L"Mass", m_mass);
    weight.Point(L"COG", m_centerOfGravity);
    weight.Matrix(L"InertiaMatrix", m_inertia);
  }
  std::wstring fixed;
  if (in.Attribute(L"is_fixed", fixed)) SetFix(fixed == L"yes");
  if (ZALMPVersion::IsAtLeast(in.Version(), ZALMPVersion::kR2016_1)) in.Read(L"OutOfWorld", m_outOfWorld);
  LinkTable().Read(*this, in.Element(), ids);
  return S_OK;
}

ZALMP_DEFINE_FIELDS(ZALMPBody, &ZALMPEntity::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPBody, Mass),
                    ZALMP_FIELD_ROW(ZALMPBody, CenterOfGravity),
                    ZALMP_FIELD_ROW(ZALMPBody, InertiaMatrix),
                    ZALMPFieldTable::Field(L"OutOfWorld", &ZALMPBody::IsOutOfWorld, &ZALMPBody::SetOutOfWorld, ZALMP_HERE),
                    ZALMPFieldTable::Field(L"Fixed", &ZALMPBody::IsFixed, &ZALMPBody::SetFix, ZALMP_HERE));
