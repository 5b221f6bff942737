#pragma once
#include "ZALMPBodyOrientation.h"
#include "ZALMPExport.h"
#include "ZALMPJoint.h"
#include "ZALMPOrientedLinkList.h"

#include <RVLSharedHandle.h>
#include <ZALMathAxis2D.h>
#include <ZALStatus.h>

#include <vector>

class ZALIMPJoint2DLoader;
class ZALMPBody2D;

/// The base of the planar joints: a joint that links planar bodies, each seen
/// Out of or In to the joint, and gathers the constraints that realise it
/// (the joint's own constraint operations). Its frames, in the plane, come
/// from the host's planar joint loader only. Links are made on both sides by
/// the caller: LinkToBody with ZALMPBody2D::LinkToJoint, AddConstraint with
/// ZALMPConstraint::SetJoint.
///
/// Orphaned, it asks its constraints, then its planar bodies, to drop it (the
/// first failure ends it and is returned, else the last answer) and empties
/// its lists. A copy links nothing.
///
/// Each kind writes, under the element it is given, its own element
/// ("UserDefined2D") holding the common part, then "Bodies2D" (one "Body2D"
/// reference per planar body, with its "bodyOrientation" from R2017.1 on) and
/// "Constraints" when not empty. Before R2017.1 every body reads Out; from
/// R2017.1 on a body without its orientation is reported and not linked.
class ZALMP_EXPORT ZALMPJoint2D : public ZALMPJoint {
  ZALMP_DECLARE_CLASS(ZALMPJoint2D, ZALMPJoint);
  ZALMP_DECLARE_LINKS();

public:
  ~ZALMPJoint2D() override;

  /// Writes and reads the planar joint part in the kind's own `element`, as
  /// the joint part is written and read.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// The entity's loader narrowed to a planar joint loader (null when it is none).
  ZALMP_DECLARE_LOADER(ZALIMPJoint2DLoader, ZALMPJoint);

  /// The loader's frames, appended to `frames`: the loader's answer. S_FALSE
  /// and `frames` untouched without a loader; E_FAIL when the loader cannot
  /// be had. There is no frame computed from geometry for planar joints.
  virtual HRESULT GetFrames(std::vector<ZALMathAxis2D>& frames) const;
  /// The number of frames GetFrames gives (0 without a loader).
  int GetFrameCount() const override;
  /// Frame `index` of GetFrames; E_FAIL (not reported) outside them.
  virtual HRESULT GetFrame(int index, ZALMathAxis2D& frame) const;
  /// The planar loader's type; S_FALSE and `type` untouched without a loader;
  /// E_FAIL when the loader cannot be had.
  HRESULT GetSolverEquivalentJointType(ZALMPSolverEquivalentJointType::Enum& type) const override;

  /// S_OK: appended with `orientation`. S_FALSE: already linked (its first
  /// orientation stays). E_FAIL: an empty handle (reported).
  HRESULT LinkToBody(const RVLSharedHandle<ZALMPBody2D>& body, ZALMPBodyOrientation::Enum orientation);
  /// S_OK: dropped. S_FALSE: not linked to it. E_FAIL: an empty handle (reported).
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody2D>& body);
  /// S_OK and the index-th planar body (and its orientation); E_FAIL and a
  /// null handle outside the list.
  HRESULT GetLinkedBody(int index, RVLSharedHandle<ZALMPBody2D>& body) const;
  HRESULT GetLinkedBody(int index, RVLSharedHandle<ZALMPBody2D>& body,
                        ZALMPBodyOrientation::Enum& orientation) const;
  int GetLinkedBodyCount() const;

protected:
  ZALMPJoint2D();
  ZALMPJoint2D(const ZALMPJoint2D& source);

private:
  ZALMPOrientedLinkList<ZALMPBody2D> m_bodies;
};
