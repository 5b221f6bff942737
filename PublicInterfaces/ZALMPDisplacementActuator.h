#pragma once
#include "ZALMPActuator.h"
#include "ZALMPExport.h"
#include "ZALMPMoveStatus.h"

#include <RVLSharedHandle.h>
#include <ZALMathLine.h>
#include <ZALMathTransformation.h>
#include <ZALStatus.h>

class ZALIMPDisplacementActuatorLoader;
class ZALMPBody;
class ZALMPGeometry;

/// Imposes a rigid displacement on a body, or drags it along a line, at
/// one of its geometries; the host carries the move out and tells how far it
/// got (GetMoveStatus).
///
/// A copy keeps the displacement and the drag line; its body and geometry
/// are linked by the world's copy.
class ZALMP_EXPORT ZALMPDisplacementActuator : public ZALMPActuator {
  ZALMP_DECLARE_KIND(ZALMPDisplacementActuator, ZALMPActuator);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  ZALMP_DECLARE_LOADER(ZALIMPDisplacementActuatorLoader, ZALMPActuator);

  /// S_OK: `body` is moved from now on. E_FAIL: an empty handle (reported).
  HRESULT SetBody(const RVLSharedHandle<ZALMPBody>& body);
  /// S_OK and the body; E_FAIL (reported) and a null handle without one.
  HRESULT GetBody(RVLSharedHandle<ZALMPBody>& body) const;
  /// S_OK: `geometry` held. E_FAIL: an empty handle (reported).
  HRESULT SetGeometry(const RVLSharedHandle<ZALMPGeometry>& geometry);
  /// S_OK and the geometry; S_FALSE and `geometry` untouched without one.
  HRESULT GetGeometry(RVLSharedHandle<ZALMPGeometry>& geometry) const;

  /// Store, then the loader's answer (S_OK without one; E_FAIL, reported,
  /// when the loader cannot be had).
  HRESULT SetDisplacement(const ZALMathTransformation& displacement);
  HRESULT GetDisplacement(ZALMathTransformation& displacement) const;
  HRESULT SetDisplacementByDragLine(const ZALMathLine& dragLine);
  HRESULT GetDisplacementByDragLine(ZALMathLine& dragLine) const;
  /// Asked of the loader: Idle and S_OK without one.
  HRESULT GetMoveStatus(ZALMPMoveStatus::Enum& status) const;

  /// Element "DisplacementActuator": the actuator part, "Body" and
  /// "Geometry" (references), "Displacement" and "DragLine". S_OK; E_FAIL
  /// (reported) unless the displacement and the drag line were written whole.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "DisplacementActuator" child of `parent`; the
  /// displacement and drag line go through their setters. E_FAIL (reported)
  /// when either is missing or refused.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPBody> m_body;
  RVLSharedHandle<ZALMPGeometry> m_geometry;
  ZALMathTransformation m_displacement;
  ZALMathLine m_dragLine;
};
