#pragma once
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"
#include "ZALMPShape.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALIMPShape2DLoader;
class ZALMPBody2D;

/// The base of the planar shapes: the planar bodies a shape belongs to, in
/// link order, each once; the caller makes both sides (LinkToBody with
/// ZALMPBody2D::LinkToShape). The planar operations below stand for the
/// shape's own: the count is the planar bodies', and the planar shape part,
/// which a kind writes into its own element, is the entity's common part
/// followed by "Bodies" with one "Body2D" reference per planar body.
///
/// Orphaned, a planar shape asks each planar body to drop it (the first
/// failure ends it and is returned, else the last body's answer) and empties
/// its planar list. A copy links no body.
class ZALMP_EXPORT ZALMPShape2D : public ZALMPShape {
  ZALMP_DECLARE_CLASS(ZALMPShape2D, ZALMPShape);
  ZALMP_DECLARE_LINKS();

public:
  ~ZALMPShape2D() override;

  /// The entity's loader narrowed to a planar shape loader (null when it is
  /// none). S_OK; E_FAIL when the entity's loader cannot be read (reported).
  ZALMP_DECLARE_LOADER(ZALIMPShape2DLoader, ZALMPShape);

  /// As the shape's, on the planar bodies.
  virtual HRESULT LinkToBody(const RVLSharedHandle<ZALMPBody2D>& body);
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody2D>& body);
  virtual HRESULT GetLinkedBody(int index, RVLSharedHandle<ZALMPBody2D>& body) const;
  int GetLinkedBodyCount() const override;

  /// Writes and reads the planar shape part, as the shape part is.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

protected:
  ZALMPShape2D();
  ZALMPShape2D(const ZALMPShape2D& source);

private:
  ZALMPLinkList<ZALMPBody2D> m_bodies;
};
