#pragma once
#include "ZALMPExport.h"
#include "ZALMPGeometry.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALIMPGeometry2DLoader;
class ZALMPBody2D;
class ZALMPSketch;

/// The members of a planar geometry kind: those of ZALMP_DECLARE_KIND, and
/// the kind's Serialize and Deserialize, which write and read the frame of
/// the geometry kinds with the planar common part.
#define ZALMP_DECLARE_GEOMETRY2D_KIND(T) ZALMP_DECLARE_SERIALIZED_KIND(T, ZALMPGeometry2D)

/// The base of the planar geometries: a geometry that also lies on a planar
/// body and in a sketch. Its numbers are in the coordinates of its planar
/// body. The constraints that use it are the geometry's own list (one list, so
/// a constraint that leaves drops itself from it whichever way it is reached).
///
/// The planar common part, which each kind writes into its own element, is
/// the geometry's common part followed by "Body2D" (when a planar body is set)
/// and "Sketch" (when a sketch is set), both references; reading resolves them
/// through the identifier map. Each kind then writes "Coordinates" as the
/// geometry kinds do.
///
/// Orphaned, a planar geometry asks its body (if any), its planar body and
/// each linked constraint to drop it, lets its body, planar body and sketch
/// go, and empties its constraint list. A copy carries no body, planar body,
/// sketch or constraint.
class ZALMP_EXPORT ZALMPGeometry2D : public ZALMPGeometry {
  ZALMP_DECLARE_CLASS(ZALMPGeometry2D, ZALMPGeometry);
  ZALMP_DECLARE_LINKS();

public:
  ~ZALMPGeometry2D() override;

  /// Writes the planar common part into the kind's own `element`. S_OK;
  /// E_FAIL: null element or the common part failed. A reference that cannot
  /// be written is reported and writing goes on.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the planar common part back from the kind's own `element`; unknown
  /// ids are skipped. S_OK; E_FAIL: null element or the common part failed. A
  /// reference to an entity of the wrong kind raises RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// The entity's loader narrowed to a planar geometry loader (null when it
  /// is none). S_OK; E_FAIL when the entity's loader cannot be read (reported).
  ZALMP_DECLARE_LOADER(ZALIMPGeometry2DLoader, ZALMPGeometry);

  /// Stores the planar body that carries the geometry; the body's own list is
  /// the caller's to update. S_OK; E_FAIL: an empty handle (reported), nothing changes.
  virtual HRESULT SetBody(const RVLSharedHandle<ZALMPBody2D>& body);
  /// S_OK and the planar body; E_FAIL and a null handle when there is none (not reported).
  virtual HRESULT GetBody(RVLSharedHandle<ZALMPBody2D>& body) const;
  /// S_OK: `body` was the planar body and is detached. S_FALSE: another body;
  /// nothing changes. E_FAIL: an empty handle (reported).
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody2D>& body);

  /// Stores the sketch the geometry lies in. S_OK; E_FAIL: an empty handle
  /// (reported), nothing changes.
  HRESULT SetSketch(const RVLSharedHandle<ZALMPSketch>& sketch);
  /// S_OK and the sketch; E_FAIL and a null handle when there is none (not reported).
  HRESULT GetSketch(RVLSharedHandle<ZALMPSketch>& sketch) const;

protected:
  ZALMPGeometry2D();
  ZALMPGeometry2D(const ZALMPGeometry2D& source);

private:
  RVLSharedHandle<ZALMPSketch> m_sketch;
  RVLSharedHandle<ZALMPBody2D> m_body;
};
