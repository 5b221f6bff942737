#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"
#include "ZALMPProperty.h"

#include <RVLSharedHandle.h>
#include <ZALMath3x3Matrix.h>
#include <ZALMathPoint.h>
#include <ZALMathTransformation.h>
#include <ZALMathVector.h>
#include <ZALStatus.h>

class RVLBasicBody3D;
class ZALIMPBodyLoader;
class ZALMathAxis;
class ZALMathLine;
class ZALMPConnector;
class ZALMPDisplacementSensor;
class ZALMPGeometry;
class ZALMPJoint;
class ZALMPShape;

/// The rigid body: a placement in space, the last known velocities and
/// accelerations, mass properties, a fixed flag, and links back to the
/// geometries, joints, shapes, connectors, displacement sensor and impacted
/// child bodies attached to it. The body owns none of them; each link is made
/// by the caller on both sides.
///
/// A body may be bound to a host 3D body (SetWDMBody); the host body is then
/// the authority for the placement: reads come from it and every move is
/// pushed to it. A body loader in the entity's loader slot hears of
/// placements, velocities and fix changes, and computes velocities and
/// accelerations at a point.
///
/// Orphaned, the body asks its displacement sensor, then every geometry,
/// joint, shape, connector and impacted child to drop it (the first failure
/// ends it and is RemoveParent's answer, else the last partner's answer), then
/// empties its five lists; the host body stays bound.
///
/// A copy keeps the fixed and out-of-world flags, the placement, the kinematics and the mass properties; links,
/// sensor and host body start empty.
class ZALMP_EXPORT ZALMPBody : public ZALMPEntity {
  ZALMP_DECLARE_KIND(ZALMPBody, ZALMPEntity);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  /// Where the loader computes velocities and accelerations; the body only
  /// passes it on, the host decides what each place means.
  enum PointWhereToComputeVelAndAcc { AtGivenPoint = 0, AtCenterOfGravity = 1, AtBodyOrigin = 2 };

  /// The entity's loader narrowed to a body loader (null when it is another
  /// kind or there is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPBodyLoader, ZALMPEntity);

  /// Attached entities. Add/Link: S_OK appended; S_FALSE already there; E_FAIL
  /// an empty handle (reported). Remove: S_OK erased (the others keep their
  /// order); S_FALSE not there; E_FAIL an empty handle (reported). Get: S_OK
  /// and the entry at `index`; E_FAIL and a null handle outside [0, count).
  HRESULT AddGeometry(const RVLSharedHandle<ZALMPGeometry>& geometry);
  HRESULT RemoveGeometry(const RVLSharedHandle<ZALMPGeometry>& geometry);
  int GetGeometryCount() const;
  HRESULT GetGeometry(int index, RVLSharedHandle<ZALMPGeometry>& geometry) const;

  HRESULT LinkToJoint(const RVLSharedHandle<ZALMPJoint>& joint);
  HRESULT RemoveJoint(const RVLSharedHandle<ZALMPJoint>& joint);
  int GetLinkedJointCount() const;
  HRESULT GetLinkedJoint(int index, RVLSharedHandle<ZALMPJoint>& joint) const;

  HRESULT LinkToShape(const RVLSharedHandle<ZALMPShape>& shape);
  HRESULT RemoveShape(const RVLSharedHandle<ZALMPShape>& shape);
  int GetLinkedShapeCount() const;
  HRESULT GetLinkedShape(int index, RVLSharedHandle<ZALMPShape>& shape) const;

  HRESULT LinkToConnector(const RVLSharedHandle<ZALMPConnector>& connector);
  HRESULT RemoveConnector(const RVLSharedHandle<ZALMPConnector>& connector);
  int GetLinkedConnectorCount() const;
  HRESULT GetLinkedConnector(int index, RVLSharedHandle<ZALMPConnector>& connector) const;

  /// Impacted children: the bodies that follow this body's motion (UpdatePosition).
  HRESULT AddImpactedChildBody(const RVLSharedHandle<ZALMPBody>& child);
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& child);
  int GetImpactedChildBodyCount() const;
  HRESULT GetImpactedChildBody(int index, RVLSharedHandle<ZALMPBody>& child) const;

  /// The one displacement sensor that measures this body; an empty handle clears it. S_OK.
  HRESULT SetDisplacementSensor(const RVLSharedHandle<ZALMPDisplacementSensor>& sensor);
  /// S_OK and the sensor; E_FAIL and a null handle when there is none.
  HRESULT GetDisplacementSensor(RVLSharedHandle<ZALMPDisplacementSensor>& sensor) const;
  /// Clears the sensor when it is `sensor`. S_OK in every case; an empty
  /// `sensor` is reported.
  HRESULT RemoveDisplacementSensor(const RVLSharedHandle<ZALMPDisplacementSensor>& sensor);

  /// Makes the host body of `child` a sub-body of this body's host body, when
  /// both are bound. Always S_OK; the impacted children are not touched.
  HRESULT AddBody(const RVLSharedHandle<ZALMPBody>& child);

  /// Mass properties: plain stores and copies; S_OK.
  ZALMP_ACCESSORS(double, Mass, m_mass);
  ZALMP_ACCESSORS(ZALMathPoint, CenterOfGravity, m_centerOfGravity);
  ZALMP_ACCESSORS(ZALMath3x3Matrix, InertiaMatrix, m_inertia);

  /// Stores both velocities and marks them as known, then tells the loader.
  /// The loader's SetVelocity status; S_OK without a loader. E_FAIL (reported):
  /// the loader could not be had; the vectors are kept, the known flag is not set.
  HRESULT SetVelocity(const ZALMathVector& linear, const ZALMathVector& angular);
  /// S_OK and the stored velocities once they are known (set or read); E_FAIL
  /// before, outputs unchanged.
  HRESULT GetVelocity(ZALMathVector& linear, ZALMathVector& angular) const;
  /// With a loader, it first recomputes the stored velocities at `point` (its
  /// failure is reported); then the stored velocities. S_OK. E_FAIL (reported):
  /// the loader could not be had.
  HRESULT GetVelocity(ZALMathVector& linear, ZALMathVector& angular, ZALMathPoint& point);
  /// Plain store and copy of the accelerations; S_OK.
  HRESULT SetAcceleration(const ZALMathVector& linear, const ZALMathVector& angular);
  HRESULT GetAcceleration(ZALMathVector& linear, ZALMathVector& angular) const;
  /// As GetVelocity with a point, for the accelerations.
  HRESULT GetAcceleration(ZALMathVector& linear, ZALMathVector& angular, ZALMathPoint& point);
  /// With a loader, it first recomputes all four stored vectors (every argument
  /// is passed on; its failure is reported); then the four stored vectors.
  /// S_OK. E_FAIL (reported): the loader could not be had.
  HRESULT GetVelocityAndAcceleration(ZALMathVector& linearVelocity, ZALMathVector& angularVelocity,
                                     ZALMathVector& linearAcceleration, ZALMathVector& angularAcceleration,
                                     ZALMathPoint& point, unsigned char& flag, ZALMathLine& line,
                                     PointWhereToComputeVelAndAcc where, const ZALMathPoint* referencePoint,
                                     RVLSharedHandle<ZALMPBody> referenceBody, const ZALMathAxis* referenceAxis);
  /// As above, with a flag and a default line of its own.
  HRESULT GetVelocityAndAcceleration(ZALMathVector& linearVelocity, ZALMathVector& angularVelocity,
                                     ZALMathVector& linearAcceleration, ZALMathVector& angularAcceleration,
                                     ZALMathPoint& point, PointWhereToComputeVelAndAcc where,
                                     const ZALMathPoint* referencePoint, RVLSharedHandle<ZALMPBody> referenceBody,
                                     const ZALMathAxis* referenceAxis);

  bool IsFixed() const;
  /// When not fixed: fixed, then the loader's Fix. The flag changes even when
  /// the loader cannot be had (reported).
  void Fix();
  /// When fixed: released, then the loader's Unfix; as Fix otherwise.
  void Unfix();
  /// Fix or Unfix.
  void SetFix(bool fixed);

  HRESULT SetOutOfWorld(bool outOfWorld);
  HRESULT IsOutOfWorld(bool& outOfWorld) const;

  /// The bound host body's placement, or the body's own while none is bound; S_OK.
  HRESULT GetPosition(ZALMathTransformation& position) const;
  /// Places the body at `position`. Nothing happens (S_OK) when that is the
  /// current placement. Else the loader gets the relative move and its Unfix,
  /// and with `pushToHost` the bound host body is placed too (a refusal is
  /// reported). S_OK with `pushToHost`; else the loader's Unfix status (S_OK
  /// without a loader). Nothing is notified.
  HRESULT SetPosition(const ZALMathTransformation& position, unsigned char pushToHost);
  /// Moves the body by `delta`, applied on the left in world coordinates, and
  /// propagates it: the host body is placed, an active displacement sensor
  /// accumulates `delta`, the update notice is posted, and each impacted child
  /// re-publishes its placement. With `skipIdentity` an identity `delta` does
  /// nothing. S_OK. E_FAIL (reported): the displacement sensor is no longer
  /// alive; then nothing is notified.
  HRESULT UpdatePosition(const ZALMathTransformation& delta, bool skipIdentity);
  /// Hands `relative` to the loader's ApplyTransformation, then returns its
  /// Unfix status; S_OK without a loader. The body's placement is unchanged.
  HRESULT ApplyBodyLoaderTransfo(const ZALMathTransformation& relative);

  /// Binds a host 3D body: the body takes its placement, records its floating
  /// status and takes its name (without the host's 18-character prefix and an
  /// "---IN_WORK" or "--- IN_WORK" mark). S_OK. S_FALSE: an empty or orphaned
  /// host body; nothing changes.
  HRESULT SetWDMBody(const RVLSharedHandle<RVLBasicBody3D>& hostBody);
  /// Both give the bound host body back the floating status it had when it was
  /// bound (the argument takes no part); S_OK.
  HRESULT SetFloating(bool floating);
  HRESULT Restore_Initial_WDMBody_Floating_status();

  /// Writes element "Body": common part, "Position", "Velocity",
  /// "Acceleration", "Weight", attribute "is_fixed", "OutOfWorld" (from
  /// R2016.1 on) and the references. Local failures are reported and the next
  /// group is written; S_OK. E_FAIL (reported): no element, or "Body" cannot be added.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the next "Body" child of `element`; references resolve through
  /// `ids` (unknown ids are skipped). The placement goes through SetPosition,
  /// so a loader and a bound host body follow. Missing parts are reported and
  /// the rest is read; S_OK. E_FAIL (reported): no element or no "Body".
  /// A reference to an entity of the wrong kind raises RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

protected:
  /// Tag of the copy for derived bodies that keep the spatial state at its
  /// defaults: only the entity part (the name) is copied.
  struct SpatialStateAtDefaults {};
  ZALMPBody(const ZALMPBody& source, SpatialStateAtDefaults);

private:
  RVLSharedHandle<ZALMPBody> Self();

  ZALMPLinkList<ZALMPGeometry> m_geometries;
  ZALMPLinkList<ZALMPJoint> m_joints;
  ZALMPLinkList<ZALMPShape> m_shapes;
  ZALMPLinkList<ZALMPConnector> m_connectors;
  RVLSharedHandle<ZALMPDisplacementSensor> m_displacementSensor;
  ZALMPLinkList<ZALMPBody> m_impactedChildren;
  bool m_fixed = false;
  bool m_outOfWorld = false;
  ZALMathTransformation m_position;
  ZALMathVector m_linearVelocity;
  ZALMathVector m_angularVelocity;
  ZALMathVector m_linearAcceleration;
  ZALMathVector m_angularAcceleration;
  double m_mass = 0.0;
  ZALMathPoint m_centerOfGravity;
  ZALMath3x3Matrix m_inertia;
  RVLSharedHandle<RVLBasicBody3D> m_hostBody;
  bool m_initialFloating = false;
  bool m_velocityKnown = false;
};
