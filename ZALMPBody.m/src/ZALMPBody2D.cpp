#define ZALMP_SOURCE_FILE "ZALMPBody.m/src/ZALMPBody2D"
#include <ZALMPAssertionReport.h>

#include "ZALMPBodyMotion.h"

#include <ZALIMPBody2DLoader.h>
#include <ZALMPBody2D.h>
#include <ZALMPDisplacementSensor2D.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPGeometry2D.h>
#include <ZALMPJoint2D.h>
#include <ZALMPLinkTable.h>
#include <ZALMPShape2D.h>
#include <ZALMPSketch.h>

#include <string>
#include <string_view>

ZALMP_DEFINE_KIND(ZALMPBody2D, ZALMPBody);

namespace {

// A planar move counts as none when it keeps angles and is a scaling of ratio
// exactly 1: the identity within the mathematics library's tolerance.
bool IsIdentity(const ZALMathTransformation2D& move)
{
  ZALMathPoint2D centre;
  double ratio = 0.0;
  return move.IsSimilitude() && move.IsScaling(centre, ratio) && ratio == 1.0;
}

// An angular velocity or acceleration: one number "Va" in its own child.
constexpr std::wstring_view kAngularId = L"Va";

}  // namespace

ZALMPBody2D::ZALMPBody2D(const ZALMPBody2D& source)
    : ZALMPBody(source, SpatialStateAtDefaults{}),
      m_fixed2D(source.m_fixed2D),
      m_fixed3D(source.m_fixed3D),
      m_inertia(source.m_inertia),
      m_centerOfGravity(source.m_centerOfGravity),
      m_mass(source.m_mass),
      m_position(source.m_position),
      m_position3D(source.m_position3D),
      m_linearVelocity(source.m_linearVelocity),
      m_angularVelocity(source.m_angularVelocity),
      m_linearAcceleration(source.m_linearAcceleration),
      m_angularAcceleration(source.m_angularAcceleration)
{
}

ZALMP_DEFINE_LOADER(ZALMPBody2D, ZALIMPBody2DLoader);

ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPBody2D, ZALMPGeometry2D, m_geometries, AddGeometry, RemoveGeometry,
                                  GetGeometryCount, GetGeometry);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPBody2D, ZALMPJoint2D, m_joints, LinkToJoint, RemoveJoint,
                                  GetLinkedJointCount, GetLinkedJoint);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPBody2D, ZALMPShape2D, m_shapes, LinkToShape, RemoveShape,
                                  GetLinkedShapeCount, GetLinkedShape);
ZALMP_DEFINE_LINK_LIST_OPERATIONS(ZALMPBody2D, ZALMPBody2D, m_impactedChildren, AddImpactedChildBody, RemoveBody,
                                  GetImpactedChildBodyCount, GetImpactedChildBody);

HRESULT ZALMPBody2D::SetSketch(const RVLSharedHandle<ZALMPSketch>& sketch)
{
  return ZALMPSetLink(m_sketch, sketch, ZALMP_HERE);
}

HRESULT ZALMPBody2D::GetSketch(RVLSharedHandle<ZALMPSketch>& sketch) const
{
  return ZALMPGetLink(m_sketch, sketch);
}

HRESULT ZALMPBody2D::SetDisplacementSensor(const RVLSharedHandle<ZALMPDisplacementSensor2D>& sensor)
{
  m_displacementSensor = sensor;
  return S_OK;
}

HRESULT ZALMPBody2D::GetDisplacementSensor(RVLSharedHandle<ZALMPDisplacementSensor2D>& sensor) const
{
  return ZALMPGetLink(m_displacementSensor, sensor);
}

HRESULT ZALMPBody2D::RemoveDisplacementSensor(const RVLSharedHandle<ZALMPDisplacementSensor2D>& sensor)
{
  return ZALMPRemoveLink(m_displacementSensor, sensor, ZALMP_HERE);
}

HRESULT ZALMPBody2D::SetVelocity(const ZALMathVector2D& linear, const double& angular)
{
  m_linearVelocity = linear;
  m_angularVelocity = angular;
  return ZALMPBodyMotion::TellVelocity<ZALIMPBody2DLoader>(*this, m_velocityKnown, linear, angular, ZALMP_HERE);
}

HRESULT ZALMPBody2D::GetVelocity(ZALMathVector2D& linear, double& angular) const
{
  if (!m_velocityKnown) return E_FAIL;
  linear = m_linearVelocity;
  angular = m_angularVelocity;
  return S_OK;
}

HRESULT ZALMPBody2D::GetVelocity(ZALMathVector2D& linear, double& angular, ZALMathPoint2D& point)
{
  return ZALMPBodyMotion::ComputeAtPoint<ZALIMPBody2DLoader>(*this, &ZALIMPBody2DLoader::ComputeVelocity,
                                                             m_linearVelocity, m_angularVelocity, point, linear,
                                                             angular, ZALMP_HERE);
}

HRESULT ZALMPBody2D::SetAcceleration(const ZALMathVector2D& linear, const double& angular)
{
  m_linearAcceleration = linear;
  m_angularAcceleration = angular;
  return S_OK;
}

HRESULT ZALMPBody2D::GetAcceleration(ZALMathVector2D& linear, double& angular) const
{
  linear = m_linearAcceleration;
  angular = m_angularAcceleration;
  return S_OK;
}

HRESULT ZALMPBody2D::GetAcceleration(ZALMathVector2D& linear, double& angular, ZALMathPoint2D& point)
{
  return ZALMPBodyMotion::ComputeAtPoint<ZALIMPBody2DLoader>(*this, &ZALIMPBody2DLoader::ComputeAcceleration,
                                                             m_linearAcceleration, m_angularAcceleration, point,
                                                             linear, angular, ZALMP_HERE);
}

HRESULT ZALMPBody2D::GetVelocityAndAcceleration(ZALMathVector2D& linearVelocity, double& angularVelocity,
                                                ZALMathVector2D& linearAcceleration, double& angularAcceleration,
                                                ZALMathPoint2D& point, unsigned char& flag,
                                                ZALMathPoint2D& rotationCentre)
{
  const HRESULT status = ZALMPBodyMotion::ComputeWith<ZALIMPBody2DLoader>(
      *this,
      [&](ZALIMPBody2DLoader& loader) {
        return loader.ComputeVelocityAndAcceleration(m_linearVelocity, m_angularVelocity, m_linearAcceleration,
                                                     m_angularAcceleration, point, flag, rotationCentre);
      },
      ZALMP_HERE);
  if (FAILED(status)) return status;
  linearVelocity = m_linearVelocity;
  angularVelocity = m_angularVelocity;
  linearAcceleration = m_linearAcceleration;
  angularAcceleration = m_angularAcceleration;
  return S_OK;
}

HRESULT ZALMPBody2D::GetVelocityAndAcceleration(ZALMathVector2D& linearVelocity, double& angularVelocity,
                                                ZALMathVector2D& linearAcceleration, double& angularAcceleration,
                                                ZALMathPoint2D& point)
{
  unsigned char flag = 0;
  ZALMathPoint2D rotationCentre;
  return GetVelocityAndAcceleration(linearVelocity, angularVelocity, linearAcceleration, angularAcceleration, point,
                                    flag, rotationCentre);
}

bool ZALMPBody2D::IsFixed2D() const
{
  return m_fixed2D;
}

bool ZALMPBody2D::IsFixed3D() const
{
  return m_fixed3D;
}

void ZALMPBody2D::Fix2D()
{
  ZALMPBodyMotion::Switch(*this, m_fixed2D, true, &ZALIMPBody2DLoader::Fix2D, ZALMP_HERE);
}

void ZALMPBody2D::Unfix2D()
{
  ZALMPBodyMotion::Switch(*this, m_fixed2D, false, &ZALIMPBody2DLoader::Unfix2D, ZALMP_HERE);
}

void ZALMPBody2D::Fix3D()
{
  ZALMPBodyMotion::Switch(*this, m_fixed3D, true, &ZALIMPBody2DLoader::Fix3D, ZALMP_HERE);
}

void ZALMPBody2D::Unfix3D()
{
  ZALMPBodyMotion::Switch(*this, m_fixed3D, false, &ZALIMPBody2DLoader::Unfix3D, ZALMP_HERE);
}

void ZALMPBody2D::SetFix2D(bool fixed)
{
  fixed ? Fix2D() : Unfix2D();
}

void ZALMPBody2D::SetFix3D(bool fixed)
{
  fixed ? Fix3D() : Unfix3D();
}

HRESULT ZALMPBody2D::ActivateVelocityAndAccelerationComputationForKIN()
{
  ZALIMPBody2DLoader* loader = nullptr;
  if (FAILED(ZALMPBodyMotion::LoaderOf(*this, loader, ZALMP_HERE))) return E_FAIL;
  return loader ? loader->ActivateVelocityAndAccelerationComputationForKIN() : S_OK;
}

HRESULT ZALMPBody2D::GetPosition(ZALMathTransformation2D& position) const
{
  position = m_position;
  return S_OK;
}

HRESULT ZALMPBody2D::SetPosition(const ZALMathTransformation2D& position)
{
  // The loader hears of the relative move; a singular stored placement gives
  // no usable move, and the identity stands for it.
  ZALMathTransformation2D delta;
  ZALMathTransformation2D inverse;
  if (m_position.Inverse(inverse)) {
    delta = position * inverse;
    if (IsIdentity(delta)) return S_OK;
  }
  m_position = position;
  return ApplyBody2DLoaderTransfo(delta);
}

HRESULT ZALMPBody2D::UpdatePosition(const ZALMathTransformation2D& delta, bool skipIdentity)
{
  if (skipIdentity && IsIdentity(delta)) return S_OK;
  m_position = delta * m_position;
  const HRESULT status = ZALMPBodyMotion::RecordMove(*this, m_displacementSensor, delta, ZALMP_HERE);
  ZALMPBodyMotion::UpdateChildren<ZALMathTransformation2D>(m_impactedChildren, ZALMP_HERE);
  return status;
}

HRESULT ZALMPBody2D::Update3DPosition(const ZALMathTransformation& delta, bool skipIdentity)
{
  if (skipIdentity && delta.IsIdentity()) return S_OK;
  m_position3D = delta * m_position3D;
  NotifyUpdate();
  return S_OK;
}

HRESULT ZALMPBody2D::ApplyBody2DLoaderTransfo(const ZALMathTransformation2D& relative)
{
  return ZALMPBodyMotion::TellMove<ZALIMPBody2DLoader>(*this, relative, ZALMP_HERE);
}

// RemoveParent asks the planar displacement sensor first (the sketch is not
// asked: it lists no body), then every planar geometry, joint, shape and
// impacted child; the first failure ends it, else the last answer is
// returned. ClearContainers empties the four lists; the sketch stays. The
// rigid body's own links are no part of a planar body's table. A filtered copy
// of a world re-makes the links to geometries, joints and shapes, as it does
// for a rigid body; the sketch, the sensor and the children are left out.
ZALMP_DEFINE_LINKS(
    ZALMPBody2D, &ZALMPEntity::LinkTable(), LastPartner,
    ZALMPLinkTable::List(&ZALMPBody2D::m_geometries, L"Geometries", L"Geometry", &ZALMPBody2D::AddGeometry,
                         &ZALMPGeometry2D::RemoveBody, ZALMPFilteredCopy::Relinked, ZALMP_HERE),
    ZALMPLinkTable::OneNotAsked(&ZALMPBody2D::m_sketch, L"Sketch", &ZALMPBody2D::SetSketch,
                                ZALMPFilteredCopy::Dropped, ZALMP_HERE, ZALMPLinkRelease::Never),
    ZALMPLinkTable::List(&ZALMPBody2D::m_joints, L"Joints", L"Joint", &ZALMPBody2D::LinkToJoint,
                         &ZALMPJoint2D::RemoveBody, ZALMPFilteredCopy::Relinked, ZALMP_HERE),
    ZALMPLinkTable::List(&ZALMPBody2D::m_shapes, L"Shapes", L"Shape", &ZALMPBody2D::LinkToShape,
                         &ZALMPShape2D::RemoveBody, ZALMPFilteredCopy::Relinked, ZALMP_HERE),
    ZALMPLinkTable::One(&ZALMPBody2D::m_displacementSensor, L"DisplacementSensor",
                        &ZALMPBody2D::SetDisplacementSensor, &ZALMPDisplacementSensor2D::RemoveBody,
                        ZALMPFilteredCopy::Dropped, ZALMP_HERE),
    ZALMPLinkTable::List(&ZALMPBody2D::m_impactedChildren, L"ImpactedChildrenBodies", L"ImpactedChildBody",
                         &ZALMPBody2D::AddImpactedChildBody, &ZALMPBody2D::RemoveBody, ZALMPFilteredCopy::Dropped,
                         ZALMP_HERE));

HRESULT ZALMPBody2D::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPEntity>(*this, element, ZALMP_HERE);
  if (!out) return E_FAIL;
  out.Placement(L"Position", m_position);
  if (const ZALMPFieldWriter velocity = out.Group(L"Velocity")) {
    velocity.Vector(L"LinearVelocity", m_linearVelocity);
    if (const ZALMPFieldWriter angular = velocity.Group(L"AngularVelocity"))
      angular.Number(kAngularId, m_angularVelocity);
  }
  if (const ZALMPFieldWriter acceleration = out.Group(L"Acceleration")) {
    acceleration.Vector(L"LinearAcceleration", m_linearAcceleration);
    if (const ZALMPFieldWriter angular = acceleration.Group(L"AngularAcceleration"))
      angular.Number(kAngularId, m_angularAcceleration);
  }
  if (const ZALMPFieldWriter weight = out.Group(L"Weight")) {
    weight.Number(L"Mass", m_mass);
    weight.Point(L"COG", m_centerOfGravity);
    weight.Matrix(L"InertiaMatrix", m_inertia);
  }
  out.Attribute(L"is_fixed2D", m_fixed2D ? L"yes" : L"no");
  LinkTable().Write(*this, out.Element());
  return S_OK;
}

HRESULT ZALMPBody2D::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPEntity>(*this, element, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  // The placement goes through SetPosition, so a loader follows.
  ZALMathTransformation2D placement;
  if (in.Placement(L"Position", placement)) SetPosition(placement);
  // A velocity read is known, whatever its value.
  if (const ZALMPFieldReader velocity = in.Group(L"Velocity")) {
    if (velocity.Vector(L"LinearVelocity", m_linearVelocity)) m_velocityKnown = true;
    if (const ZALMPFieldReader angular = velocity.Group(L"AngularVelocity")) {
      m_angularVelocity = angular.Number(kAngularId);
      m_velocityKnown = true;
    }
  }
  if (const ZALMPFieldReader acceleration = in.Group(L"Acceleration")) {
    acceleration.Vector(L"LinearAcceleration", m_linearAcceleration);
    if (const ZALMPFieldReader angular = acceleration.Group(L"AngularAcceleration"))
      m_angularAcceleration = angular.Number(kAngularId);
  }
  if (const ZALMPFieldReader weight = in.Group(L"Weight")) {
    weight.Read(L"Mass", m_mass);
    weight.Point(L"COG", m_centerOfGravity);
    weight.Matrix(L"InertiaMatrix", m_inertia);
  }
  std::wstring fixed;
  if (in.Attribute(L"is_fixed2D", fixed)) SetFix2D(fixed == L"yes");
  LinkTable().Read(*this, in.Element(), ids);
  return S_OK;
}

ZALMP_DEFINE_FIELDS(ZALMPBody2D, &ZALMPBody::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPBody2D, Mass),
                    ZALMP_FIELD_ROW(ZALMPBody2D, CenterOfGravity),
                    ZALMP_FIELD_ROW(ZALMPBody2D, InertiaMatrix),
                    ZALMP_FIELD_ROW(ZALMPBody2D, 3DPosition),
                    ZALMP_FIELD_ROW(ZALMPBody2D, Position));
