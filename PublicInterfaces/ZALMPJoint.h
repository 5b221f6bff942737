#pragma once
#include "ZALMPBodyOrientation.h"
#include "ZALMPEntity.h"
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"
#include "ZALMPOrientedLinkList.h"
#include "ZALMPSolverEquivalentJointType.h"

#include <ZALMathAxis.h>

#include <optional>
#include <vector>

class ZALIMPJointLoader;
class ZALMPBody;
class ZALMPConstraint;
class ZALMPLink;

/// The base of the joints that link bodies: the bodies it links, each seen
/// Out of or In to the joint, and the constraints that realise it. Its frames
/// come from the host's joint loader, or are computed from the geometries its
/// constraints use (ZALMPJointFramesServices). Links are made on both sides by
/// the caller: LinkToBody with ZALMPBody::LinkToJoint, AddConstraint with
/// ZALMPConstraint::SetJoint.
///
/// Orphaned, it asks its constraints, then its bodies, to drop it (the first
/// failure ends it and is returned, else the last answer) and empties its lists.
/// A copy links nothing.
///
/// Each kind writes, under the element it is given, its own element ("Revolute"
/// ...) holding the common part, then "Bodies" (one reference per body, with
/// its "bodyOrientation" from R2017.1 on) and "Constraints" when not empty.
class ZALMP_EXPORT ZALMPJoint : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPJoint, ZALMPEntity);
  ZALMP_DECLARE_LINKS();

public:
  ~ZALMPJoint() override;

  /// Writes the common part and the links into the kind's own `element`.
  /// S_OK, also when a link cannot be written (reported); E_FAIL (reported):
  /// no element. A failed common part is reported and nothing more is written.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the common part and the links back from the kind's own `element`;
  /// unknown ids are skipped, and from R2017.1 on a body without its
  /// "bodyOrientation" is reported and not linked. S_OK; E_FAIL (reported): no
  /// element. A reference of the wrong kind raises RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// The entity's loader narrowed to a joint loader (null when it is none).
  ZALMP_DECLARE_LOADER(ZALIMPJointLoader, ZALMPEntity);

  /// The joint's frames: computed from geometry when `fromGeometry` is set
  /// (ZALMPJointFramesServices::ComputeFrames), else the loader's (S_FALSE and
  /// `frames` untouched without a loader). Appends to `frames`.
  virtual HRESULT GetFrames(std::vector<ZALMathAxis>& frames, unsigned char inBodyFrame,
                            unsigned char fromGeometry) const;
  /// The number of frames the loader gives (0 without a loader).
  virtual int GetFrameCount() const;
  /// Frame `index` of the loader's frames; E_FAIL (not reported) outside them.
  virtual HRESULT GetFrame(int index, ZALMathAxis& frame, unsigned char inBodyFrame) const;
  /// The loader's type; S_FALSE and `type` untouched without a loader.
  virtual HRESULT GetSolverEquivalentJointType(ZALMPSolverEquivalentJointType::Enum& type) const;
  /// Keeps `type` for the frame computation when there is no loader. S_OK.
  virtual HRESULT SetSolverEquivalentJointType(ZALMPSolverEquivalentJointType::Enum& type);
  /// The type last given to SetSolverEquivalentJointType, if any.
  std::optional<ZALMPSolverEquivalentJointType::Enum> GetStoredSolverEquivalentJointType() const;

  /// S_OK: appended with `orientation`. S_FALSE: already linked (its first
  /// orientation stays). E_FAIL: an empty handle (reported).
  HRESULT LinkToBody(const RVLSharedHandle<ZALMPBody>& body, ZALMPBodyOrientation::Enum orientation);
  /// Drops its link to `body`. S_OK: dropped. S_FALSE: not linked to it.
  /// E_FAIL: an empty handle (reported). Virtual so that a host's kind may refine it.
  virtual HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& body);
  /// S_OK and the index-th body (and its orientation); E_FAIL and a null handle outside the list.
  HRESULT GetLinkedBody(int index, RVLSharedHandle<ZALMPBody>& body) const;
  HRESULT GetLinkedBody(int index, RVLSharedHandle<ZALMPBody>& body, ZALMPBodyOrientation::Enum& orientation) const;
  int GetLinkedBodyCount() const;

  /// S_OK: appended. S_FALSE: already there. E_FAIL: an empty handle (reported).
  HRESULT AddConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint);
  /// Drops its link to `constraint`. S_OK: dropped. S_FALSE: not linked to it.
  /// E_FAIL: an empty handle (reported).
  virtual HRESULT RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint);
  /// S_OK and the index-th constraint; E_FAIL and a null handle outside the list.
  HRESULT GetConstraint(int index, RVLSharedHandle<ZALMPConstraint>& constraint) const;
  int GetConstraintCount() const;

protected:
  ZALMPJoint();
  ZALMPJoint(const ZALMPJoint& source);
  /// Inserts `constraint` before position `index` (0 to the count; no test
  /// for one already there). S_OK; E_FAIL (reported): an empty handle or an
  /// index outside the list.
  HRESULT InsertConstraint(int index, const RVLSharedHandle<ZALMPConstraint>& constraint);

  /// The joint part with the body references of `bodies` (the body link of
  /// the joint family the kind belongs to) before the constraints: what
  /// Serialize and Deserialize do.
  HRESULT WriteJointPart(ZALMPSerializer* element, const ZALMPLink& bodies) const;
  HRESULT ReadJointPart(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids, const ZALMPLink& bodies);

private:
  ZALMPLinkList<ZALMPConstraint> m_constraints;
  ZALMPOrientedLinkList<ZALMPBody> m_bodies;
  std::optional<ZALMPSolverEquivalentJointType::Enum> m_solverEquivalentJointType;
};

/// The members of a 3D joint kind: it adds nothing to the base but its class
/// and the name of its element.
#define ZALMP_DECLARE_JOINT_KIND(T) ZALMP_DECLARE_SERIALIZED_KIND(T, ZALMPJoint)

/// Defines a 3D joint kind declared with ZALMP_DECLARE_JOINT_KIND.
#define ZALMP_DEFINE_JOINT_KIND(T) ZALMP_DEFINE_JOINT_KIND_OF(ZALMPJoint, T, ZALMPJoint, ZALMPJoint)

/// Defines a joint kind `T` of the family `Base` that adds nothing but its
/// class and its element: the element holds the part that `Written` writes,
/// and is read with the part that `Read` reads.
#define ZALMP_DEFINE_JOINT_KIND_OF(Base, T, Written, Read)                                 \
  ZALMP_DEFINE_KIND(T, Base);                                                             \
  T::T(const T& source) : Base(source) {}                                                 \
  HRESULT T::Serialize(ZALMPSerializer* parent) const                                     \
  {                                                                                       \
    return ZALMPFieldWriter::Begin<Written>(*this, parent, ZALMP_HERE) ? S_OK : E_FAIL;   \
  }                                                                                       \
  HRESULT T::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)  \
  {                                                                                       \
    return ZALMPFieldReader::Begin<Read>(*this, parent, ids, ZALMP_HERE) ? S_OK : E_FAIL; \
  }                                                                                       \
  static_assert(true, "")
