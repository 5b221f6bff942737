#pragma once
#include "ZALMPActuator.h"
#include "ZALMPExport.h"
#include "ZALMPProperty.h"

#include <RVLSharedHandle.h>
#include <ZALMathPoint.h>
#include <ZALMathTransformation.h>
#include <ZALMathVector.h>
#include <ZALStatus.h>

#include <array>

class ZALIMPSpatialForceActuatorLoader;
class ZALMPBody;
class ZALMPValue;

/// Applies a force and a torque, each given by three value entities (x, y, z
/// in world coordinates), at a point of a body. The body's placement when it
/// was set is the reference frame: the application point (and, in the local
/// frame, the force and torque) follow the body from there.
///
/// A copy keeps the point, the flag and the reference frame; its values and
/// body are linked by the world's copy.
class ZALMP_EXPORT ZALMPSpatialForceActuator : public ZALMPActuator {
  ZALMP_DECLARE_KIND(ZALMPSpatialForceActuator, ZALMPActuator);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  using Components = RVLSharedHandle<ZALMPValue>[3];
  using Values = std::array<RVLSharedHandle<ZALMPValue>, 3>;

  ZALMP_DECLARE_LOADER(ZALIMPSpatialForceActuatorLoader, ZALMPActuator);

  /// Holds the three components; with a `frame` body and no expression among
  /// them, their numbers are taken as a vector in that body's axes and held as
  /// three new constants in world axes (in no world). An empty component is
  /// reported and nothing is held. Then the loader hears of the caller's
  /// components; its answer is the result (S_OK without one).
  HRESULT SetForce(const Components& force, const RVLSharedHandle<ZALMPBody>& frame = nullptr);
  HRESULT SetTorque(const Components& torque, const RVLSharedHandle<ZALMPBody>& frame = nullptr);
  /// The held components, or, when none is an expression and a conversion is
  /// asked (a `frame` body, or the local frame with a body), three new
  /// constants holding the converted vector: into `frame`'s axes, then
  /// following the body since its reference frame. E_FAIL when `frame` is no
  /// longer alive.
  HRESULT GetForce(Components& force, const RVLSharedHandle<ZALMPBody>& frame = nullptr) const;
  HRESULT GetTorque(Components& torque, const RVLSharedHandle<ZALMPBody>& frame = nullptr) const;
  /// Three new constants (no quantity, in no world) holding `vector`, held as
  /// the components. E_FAIL (reported) when they cannot be made or held.
  HRESULT SetForce(const ZALMathVector& vector);
  HRESULT SetTorque(const ZALMathVector& vector);
  /// The numbers of the held components; one that is not a constant reads as
  /// 0 (reported). S_OK.
  HRESULT GetForce(ZALMathVector& vector) const;
  HRESULT GetTorque(ZALMathVector& vector) const;

  /// E_FAIL (reported): an empty handle. S_FALSE: the body held already. Else
  /// held, its placement now becomes the reference frame, and the loader's answer.
  HRESULT SetBody(const RVLSharedHandle<ZALMPBody>& body);
  /// S_OK and the body; E_FAIL (not reported) and a null handle without one.
  HRESULT GetBody(RVLSharedHandle<ZALMPBody>& body) const;

  /// S_FALSE: `point` is the point held. Else held as given, or, with a `ref`
  /// body and a body of its own, carried by ref's placement times the inverse
  /// of the body's (with `ref` but either body missing nothing is held and
  /// the result is E_FAIL unless the loader agrees). Then the loader's
  /// answer; S_FALSE without a loader.
  HRESULT SetApplicationPoint(const ZALMathPoint& point, const RVLSharedHandle<ZALMPBody>& ref = nullptr);
  /// With a body: the held point carried by the body's move since its
  /// reference frame; without one `point` is left as it is. S_OK.
  HRESULT GetApplicationPoint(ZALMathPoint& point) const;

  ZALMP_PROPERTY(bool, IsInLocalFrame, m_isInLocalFrame);
  HRESULT IsInLocalFrame(bool& isInLocalFrame) const { return GetIsInLocalFrame(isInLocalFrame); }

  /// Element "SpatialForceActuator": the actuator part, "Force" and "Torque"
  /// (each "Vx", "Vy", "Vz" references to the held components),
  /// "IsInLocalFrame", "ApplicationPoint" and "Body" (a reference). S_OK;
  /// E_FAIL (reported) when a group could not be written.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "SpatialForceActuator" child of `parent`; the body is set
  /// last, so its placement when read is the reference frame. E_FAIL
  /// (reported) when "Force", "Torque", "IsInLocalFrame" or "ApplicationPoint"
  /// is missing or refused, after the rest was read.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  HRESULT SetComponents(Values& held, const Components& given, const RVLSharedHandle<ZALMPBody>& frame, bool force);
  HRESULT GetComponents(const Values& held, Components& out, const RVLSharedHandle<ZALMPBody>& frame) const;
  ZALMathTransformation BodyMove() const;

  Values m_force;
  Values m_torque;
  ZALMathPoint m_applicationPoint;
  RVLSharedHandle<ZALMPBody> m_body;
  bool m_isInLocalFrame = false;
  ZALMathTransformation m_referenceFrame;
};
