#pragma once
#include "ZALMPActuator.h"
#include "ZALMPExport.h"
#include "ZALMPMoveStatus.h"

#include <RVLSharedHandle.h>
#include <ZALMathLine2D.h>
#include <ZALMathTransformation2D.h>
#include <ZALStatus.h>

class ZALIMPDisplacementActuator2DLoader;
class ZALMPBody2D;
class ZALMPGeometry2D;

/// Imposes a rigid displacement on a planar body, or drags it along a line, at
/// one of its geometries; the host carries the move out and tells how far it
/// got (GetMoveStatus).
///
/// A copy keeps the displacement and the drag line; its body and geometry
/// are linked by the world's copy.
class ZALMP_EXPORT ZALMPDisplacementActuator2D : public ZALMPActuator {
  ZALMP_DECLARE_KIND(ZALMPDisplacementActuator2D, ZALMPActuator);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  ZALMP_DECLARE_LOADER(ZALIMPDisplacementActuator2DLoader, ZALMPActuator);

  /// S_OK: `body` is moved from now on. E_FAIL: an empty handle (reported).
  HRESULT SetBody(const RVLSharedHandle<ZALMPBody2D>& body);
  /// S_OK and the body; E_FAIL (reported) and a null handle without one.
  HRESULT GetBody(RVLSharedHandle<ZALMPBody2D>& body) const;
  /// S_OK: `geometry` held. E_FAIL: an empty handle (reported).
  HRESULT SetGeometry(const RVLSharedHandle<ZALMPGeometry2D>& geometry);
  /// S_OK and the geometry; S_FALSE and `geometry` untouched without one.
  HRESULT GetGeometry(RVLSharedHandle<ZALMPGeometry2D>& geometry) const;

  /// Store, then the loader's answer (S_OK without one; E_FAIL, reported,
  /// when the loader cannot be had).
  HRESULT SetDisplacement(const ZALMathTransformation2D& displacement);
  HRESULT GetDisplacement(ZALMathTransformation2D& displacement) const;
  HRESULT SetDisplacementByDragLine(const ZALMathLine2D& dragLine);
  HRESULT GetDisplacementByDragLine(ZALMathLine2D& dragLine) const;
  /// Asked of the loader: Idle and S_OK without one.
  HRESULT GetMoveStatus(ZALMPMoveStatus::Enum& status) const;

  /// Element "DisplacementActuator2D": the actuator part, "Body2D" and
  /// "Geometry2D" (references), "Displacement2D" and "DragLine2D". S_OK; E_FAIL
  /// (reported) unless the displacement and the drag line were written whole.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "DisplacementActuator2D" child of `parent`; the
  /// displacement and drag line go through their setters. E_FAIL (reported)
  /// when either is missing or refused.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  RVLSharedHandle<ZALMPBody2D> m_body;
  RVLSharedHandle<ZALMPGeometry2D> m_geometry;
  ZALMathTransformation2D m_displacement;
  ZALMathLine2D m_dragLine;
};
