#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALIMPShapeLoader;
class ZALMPBody;

/// The base of the shapes that give bodies their form: the bodies a shape
/// belongs to, in link order, each once. Links are made on both sides by the
/// caller: LinkToBody with ZALMPBody::LinkToShape.
///
/// The shape part, which a kind writes into its own element, is the entity's
/// common part followed by "Bodies" (one "Body" reference per linked body)
/// when at least one body is linked; reading links the bodies found in the
/// identifier map. A kind adds its element and its own content around it.
///
/// Orphaned, a shape asks each linked body to drop it (the first failure ends
/// it and is returned, else the last body's answer) and empties its list.
/// A copy links no body.
class ZALMP_EXPORT ZALMPShape : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPShape, ZALMPEntity);
  ZALMP_DECLARE_LINKS();

public:
  ~ZALMPShape() override;

  /// The entity's loader narrowed to a shape loader (null when it is none).
  /// S_OK; E_FAIL when the entity's loader cannot be read (reported).
  ZALMP_DECLARE_LOADER(ZALIMPShapeLoader, ZALMPEntity);

  /// S_OK: appended. S_FALSE: already linked. E_FAIL: an empty handle (reported).
  virtual HRESULT LinkToBody(const RVLSharedHandle<ZALMPBody>& body);
  /// Drops its link to `body`. S_OK: dropped. S_FALSE: not linked to it.
  /// E_FAIL: an empty handle (reported). Virtual so that a host's kind may refine it.
  virtual HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& body);
  /// S_OK and the body at `index` (link order); E_FAIL and a null handle
  /// outside [0, GetLinkedBodyCount()).
  virtual HRESULT GetLinkedBody(int index, RVLSharedHandle<ZALMPBody>& body) const;
  virtual int GetLinkedBodyCount() const;

  /// Writes the shape part into the kind's own `element`. S_OK, also when a
  /// reference cannot be written (reported). E_FAIL (reported): no element.
  /// A failed common part is reported and nothing more is written.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the shape part back from the kind's own `element`; unknown ids are
  /// skipped. S_OK; E_FAIL (reported): no element. A failed common part is
  /// reported and no body is read. A reference to an entity of the wrong kind
  /// raises RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

protected:
  ZALMPShape();
  ZALMPShape(const ZALMPShape& source);

private:
  ZALMPLinkList<ZALMPBody> m_bodies;
};
