#pragma once
#include "ZALMPBody.h"
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"
#include "ZALMPProperty.h"

#include <RVLSharedHandle.h>
#include <ZALMath2x2Matrix.h>
#include <ZALMathPoint2D.h>
#include <ZALMathTransformation.h>
#include <ZALMathTransformation2D.h>
#include <ZALMathVector2D.h>
#include <ZALStatus.h>

class ZALIMPBody2DLoader;
class ZALMPDisplacementSensor2D;
class ZALMPGeometry2D;
class ZALMPJoint2D;
class ZALMPShape2D;
class ZALMPSketch;

/// The rigid body of a planar model: a placement in its plane, planar
/// velocities and accelerations (a vector and one angular number each),
/// planar mass properties, a fixed flag in the plane and one in space, a
/// placement in space, the sketch it lies in, and links back to the planar
/// geometries, planar joints, planar shapes, planar displacement sensor and
/// impacted planar child bodies attached to it. The caller makes each link on
/// both sides.
///
/// The spatial state and operations of the rigid body stay available through
/// ZALMPBody, but the planar body's own operations, its persistence, its links
/// and its loader calls use only the planar fields below. A planar body
/// loader in the entity's loader slot hears of placements, velocities and fix
/// changes, and computes velocities and accelerations at a point.
///
/// Orphaned, the planar body asks its planar displacement sensor, then every
/// planar geometry, joint, shape and impacted child to drop it (the first
/// failure ends it and is returned, else the last answer), then empties those
/// four lists; the sketch stays, and the rigid body's lists take no part.
///
/// A copy keeps both fixed flags, the mass properties, both placements and
/// the kinematics; links, sketch and sensor start empty, the velocity is not
/// known, and the rigid body's state is at its defaults.
class ZALMP_EXPORT ZALMPBody2D : public ZALMPBody {
  ZALMP_DECLARE_KIND(ZALMPBody2D, ZALMPBody);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  /// The entity's loader narrowed to a planar body loader (null when it is
  /// another kind or there is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPBody2DLoader, ZALMPBody);

  /// Attached planar entities, as the rigid body's lists answer. Add/Link:
  /// S_OK appended; S_FALSE already there; E_FAIL an empty handle (reported).
  /// Remove: S_OK erased; S_FALSE not there; E_FAIL an empty handle
  /// (reported). Get: S_OK and the entry at `index`; E_FAIL and a null handle
  /// outside [0, count).
  HRESULT AddGeometry(const RVLSharedHandle<ZALMPGeometry2D>& geometry);
  HRESULT RemoveGeometry(const RVLSharedHandle<ZALMPGeometry2D>& geometry);
  int GetGeometryCount() const;
  HRESULT GetGeometry(int index, RVLSharedHandle<ZALMPGeometry2D>& geometry) const;

  HRESULT LinkToJoint(const RVLSharedHandle<ZALMPJoint2D>& joint);
  HRESULT RemoveJoint(const RVLSharedHandle<ZALMPJoint2D>& joint);
  int GetLinkedJointCount() const;
  HRESULT GetLinkedJoint(int index, RVLSharedHandle<ZALMPJoint2D>& joint) const;

  HRESULT LinkToShape(const RVLSharedHandle<ZALMPShape2D>& shape);
  HRESULT RemoveShape(const RVLSharedHandle<ZALMPShape2D>& shape);
  int GetLinkedShapeCount() const;
  HRESULT GetLinkedShape(int index, RVLSharedHandle<ZALMPShape2D>& shape) const;

  /// Impacted children: the planar bodies that follow this body's motion (UpdatePosition).
  HRESULT AddImpactedChildBody(const RVLSharedHandle<ZALMPBody2D>& child);
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody2D>& child);
  int GetImpactedChildBodyCount() const;
  HRESULT GetImpactedChildBody(int index, RVLSharedHandle<ZALMPBody2D>& child) const;

  /// The sketch the body lies in. S_OK; E_FAIL: an empty handle (reported),
  /// the sketch held stays.
  HRESULT SetSketch(const RVLSharedHandle<ZALMPSketch>& sketch);
  /// S_OK and the sketch; E_FAIL and a null handle when there is none.
  HRESULT GetSketch(RVLSharedHandle<ZALMPSketch>& sketch) const;

  /// The one planar displacement sensor that measures this body; an empty
  /// handle clears it. S_OK.
  HRESULT SetDisplacementSensor(const RVLSharedHandle<ZALMPDisplacementSensor2D>& sensor);
  /// S_OK and the sensor; E_FAIL and a null handle when there is none.
  HRESULT GetDisplacementSensor(RVLSharedHandle<ZALMPDisplacementSensor2D>& sensor) const;
  /// S_OK: `sensor` was the body's sensor and is cleared. S_FALSE: another
  /// sensor; nothing changes. E_FAIL: an empty handle (reported).
  HRESULT RemoveDisplacementSensor(const RVLSharedHandle<ZALMPDisplacementSensor2D>& sensor);

  /// Planar mass properties and the placement in space: plain stores and copies; S_OK.
  ZALMP_ACCESSORS(double, Mass, m_mass);
  ZALMP_ACCESSORS(ZALMathPoint2D, CenterOfGravity, m_centerOfGravity);
  ZALMP_ACCESSORS(ZALMath2x2Matrix, InertiaMatrix, m_inertia);
  ZALMP_ACCESSORS(ZALMathTransformation, 3DPosition, m_position3D);

  /// Stores both velocities and marks them as known, then tells the loader.
  /// The loader's SetVelocity status; S_OK without a loader. E_FAIL (reported):
  /// the loader could not be had; the velocities are kept, the known flag is not set.
  HRESULT SetVelocity(const ZALMathVector2D& linear, const double& angular);
  /// S_OK and the stored velocities once they are known (set or read); E_FAIL
  /// before, outputs unchanged.
  HRESULT GetVelocity(ZALMathVector2D& linear, double& angular) const;
  /// With a loader, it first recomputes the stored velocities at `point` (its
  /// failure is reported); then the stored velocities. S_OK. E_FAIL
  /// (reported): the loader could not be had.
  HRESULT GetVelocity(ZALMathVector2D& linear, double& angular, ZALMathPoint2D& point);
  /// Plain store and copy of the accelerations; S_OK.
  HRESULT SetAcceleration(const ZALMathVector2D& linear, const double& angular);
  HRESULT GetAcceleration(ZALMathVector2D& linear, double& angular) const;
  /// As GetVelocity with a point, for the accelerations.
  HRESULT GetAcceleration(ZALMathVector2D& linear, double& angular, ZALMathPoint2D& point);
  /// With a loader, it first recomputes all four stored values at `point`
  /// (every argument is passed on: the loader may give the instantaneous
  /// centre of rotation and say so in `flag`; its failure is reported); then
  /// the four stored values. S_OK. E_FAIL (reported): the loader could not be had.
  HRESULT GetVelocityAndAcceleration(ZALMathVector2D& linearVelocity, double& angularVelocity,
                                     ZALMathVector2D& linearAcceleration, double& angularAcceleration,
                                     ZALMathPoint2D& point, unsigned char& flag, ZALMathPoint2D& rotationCentre);
  /// As above, with a flag and a centre of its own.
  HRESULT GetVelocityAndAcceleration(ZALMathVector2D& linearVelocity, double& angularVelocity,
                                     ZALMathVector2D& linearAcceleration, double& angularAcceleration,
                                     ZALMathPoint2D& point);

  /// Fixed in the plane / in space. Each of Fix2D, Unfix2D, Fix3D and Unfix3D
  /// does nothing when its flag already has that value; else it sets the flag
  /// and then calls the loader's operation of the same name. The flag changes
  /// even when the loader cannot be had (reported).
  bool IsFixed2D() const;
  bool IsFixed3D() const;
  void Fix2D();
  void Unfix2D();
  void Fix3D();
  void Unfix3D();
  /// Fix2D or Unfix2D; Fix3D or Unfix3D.
  void SetFix2D(bool fixed);
  void SetFix3D(bool fixed);

  /// Asks the loader to compute velocities and accelerations for kinematics:
  /// its answer; S_OK without a loader. E_FAIL (reported): the loader could not be had.
  HRESULT ActivateVelocityAndAccelerationComputationForKIN();

  /// The placement in the plane; S_OK.
  HRESULT GetPosition(ZALMathTransformation2D& position) const;
  /// Places the body at `position`. Nothing happens (S_OK) when that is the
  /// current placement (the move from it is the identity). Else the loader
  /// gets the relative move (the identity when the old placement was
  /// singular) and the answer is its Unfix status; S_OK without a loader,
  /// E_FAIL (reported) when the loader cannot be had. Nothing is notified.
  HRESULT SetPosition(const ZALMathTransformation2D& position);
  /// Moves the body by `delta`, applied on the left, and propagates it: an
  /// active planar displacement sensor accumulates `delta`, the update notice
  /// is posted, and each impacted child re-publishes its placement. With
  /// `skipIdentity` an identity `delta` does nothing. S_OK. E_FAIL (reported):
  /// the sensor is no longer alive; then nothing is notified.
  HRESULT UpdatePosition(const ZALMathTransformation2D& delta, bool skipIdentity);
  /// Moves the placement in space by `delta`, applied on the left, and posts
  /// the update notice; with `skipIdentity` an identity `delta` does nothing. S_OK.
  HRESULT Update3DPosition(const ZALMathTransformation& delta, bool skipIdentity);
  /// Hands `relative` to the loader's ApplyTransformation, then returns its
  /// Unfix status; S_OK without a loader. The body's placement is unchanged.
  HRESULT ApplyBody2DLoaderTransfo(const ZALMathTransformation2D& relative);

  /// Writes element "Body2D": common part, "Position", "Velocity",
  /// "Acceleration", "Weight", attribute "is_fixed2D" and the references
  /// (the fixed flag in space and the placement in space are not written).
  /// Local failures are reported and the next group is written; S_OK. E_FAIL
  /// (reported): no element, or "Body2D" cannot be added.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the next "Body2D" child of `element`; references resolve through
  /// `ids` (unknown ids are skipped). The placement goes through SetPosition,
  /// so a loader follows; a velocity read is known, zero or not. Missing
  /// parts are reported and the rest is read; S_OK. E_FAIL (reported): no
  /// element or no "Body2D". A reference to an entity of the wrong kind
  /// raises RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPSketch> m_sketch;
  ZALMPLinkList<ZALMPGeometry2D> m_geometries;
  RVLSharedHandle<ZALMPDisplacementSensor2D> m_displacementSensor;
  ZALMPLinkList<ZALMPJoint2D> m_joints;
  ZALMPLinkList<ZALMPBody2D> m_impactedChildren;
  ZALMPLinkList<ZALMPShape2D> m_shapes;
  bool m_fixed2D = false;
  bool m_fixed3D = false;
  ZALMath2x2Matrix m_inertia;
  ZALMathPoint2D m_centerOfGravity;
  double m_mass = 0.0;
  ZALMathTransformation2D m_position;
  ZALMathTransformation m_position3D;
  ZALMathVector2D m_linearVelocity;
  double m_angularVelocity = 0.0;
  ZALMathVector2D m_linearAcceleration;
  double m_angularAcceleration = 0.0;
  bool m_velocityKnown = false;
};
