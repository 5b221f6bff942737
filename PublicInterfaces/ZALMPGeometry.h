#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALIMPGeometryLoader;
class ZALMPBody;
class ZALMPConstraint;

/// The members of a geometry kind: those of ZALMP_DECLARE_KIND, and the
/// kind's Serialize and Deserialize, which write and read the frame below.
#define ZALMP_DECLARE_GEOMETRY_KIND(T) ZALMP_DECLARE_SERIALIZED_KIND(T, ZALMPGeometry)

/// The base of every geometry: the body that carries it and the constraints
/// that use it. Each kind adds its own numbers, expressed in the coordinates of
/// its body, and writes them under its own element after this common part.
///
/// Each kind writes, under the element it is given, one element named after
/// the kind holding this common part and then "Coordinates" with one value
/// element per number. Writing gives S_OK, or E_FAIL (reported) when the
/// parent is null, an element cannot be added or the common part fails; a
/// number that cannot be written is reported and the rest is written. Reading
/// takes the next such element: a missing number is reported and reads as 0;
/// E_FAIL (reported) when the element or "Coordinates" is missing or the
/// common part fails, and then no field has changed.
///
/// Orphaned, a geometry asks its body (then lets it go) and each linked
/// constraint to drop it, stopping at the first failure, and empties its
/// constraint list.
class ZALMP_EXPORT ZALMPGeometry : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPGeometry, ZALMPEntity);
  ZALMP_DECLARE_LINKS();

public:
  ~ZALMPGeometry() override;

  /// Writes the entity's common part, then "Body" (when a body is set) and
  /// "Constraints" (when at least one is linked) as references, into the kind's
  /// own `element`. S_OK; E_FAIL: null element or the common part failed.
  /// A reference that cannot be written is reported and writing goes on.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the common part back from the kind's own `element`, linking the body
  /// and constraints found in `ids` (unknown ids are skipped). S_OK; E_FAIL:
  /// null element or the common part failed. A reference to an entity of the
  /// wrong kind raises RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// The entity's loader narrowed to a geometry loader (null when it is none).
  /// S_OK; E_FAIL when the entity's loader cannot be read (reported).
  ZALMP_DECLARE_LOADER(ZALIMPGeometryLoader, ZALMPEntity);

  /// Stores the body that carries the geometry; the body's own list is the
  /// caller's to update. S_OK; E_FAIL: empty handle (reported), nothing changes.
  virtual HRESULT SetBody(const RVLSharedHandle<ZALMPBody>& body);
  /// S_OK and the body; E_FAIL and a null handle when there is none (not reported).
  virtual HRESULT GetBody(RVLSharedHandle<ZALMPBody>& body) const;
  /// Detaches `body` if it is the one this geometry sits on.
  /// S_OK: detached. S_FALSE: `body` is another body; nothing changes.
  /// E_FAIL: `body` is empty (reported).
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& body);

  /// S_OK: appended. S_FALSE: already linked. E_FAIL: empty handle (reported).
  virtual HRESULT LinkToConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint);
  /// S_OK and the constraint at `index` (link order); E_FAIL and a null handle
  /// outside [0, GetLinkedConstraintCount()).
  virtual HRESULT GetLinkedConstraint(int index, RVLSharedHandle<ZALMPConstraint>& constraint) const;
  virtual int GetLinkedConstraintCount() const;
  /// S_OK: removed. S_FALSE: not linked. E_FAIL: empty handle (reported).
  HRESULT RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint);

protected:
  ZALMPGeometry();
  /// A copy carries neither the body nor the constraints of its source.
  ZALMPGeometry(const ZALMPGeometry& source);

private:
  RVLSharedHandle<ZALMPBody> m_body;
  ZALMPLinkList<ZALMPConstraint> m_constraints;
};
