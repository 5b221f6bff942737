#pragma once
#include "ZALMPExport.h"
#include "ZALMPJoint.h"

#include <RVLSharedHandle.h>
#include <ZALMathAxis.h>
#include <ZALStatus.h>

#include <vector>

class ZALMPEquation;

/// The base of the couplings: joints whose motions an equation ties together.
/// The equation is the joint's first constraint when that constraint is an
/// equation; the coupling adds no field of its own.
///
/// The coupling part, which a kind writes into its own element, is "Equation"
/// (a reference, when the coupling has its equation) followed by the joint
/// part (the common part, "Bodies", "Constraints", where the equation stands
/// again as the first constraint). Reading makes the
/// equation read constraint 0 before the other constraints are read; met again
/// among them it is not added twice.
class ZALMP_EXPORT ZALMPCoupling : public ZALMPJoint {
  ZALMP_DECLARE_CLASS(ZALMPCoupling, ZALMPJoint);
  ZALMP_DECLARE_LINKS();

public:
  ~ZALMPCoupling() override;

  /// S_OK and the first constraint when it is an equation. E_FAIL and a null
  /// handle when there is no constraint or the first is of another class.
  HRESULT GetEquation(RVLSharedHandle<ZALMPEquation>& equation) const;
  /// Makes `equation` the first constraint. Without constraints it is added:
  /// AddConstraint's answer. When the first constraint is an equation, it is
  /// replaced: S_OK. When it is of another class, `equation` is inserted
  /// before it, which keeps it second: S_OK. The list holds each constraint
  /// once, so an equation already further down moves to the front. E_FAIL
  /// (reported): an empty handle; nothing changes.
  HRESULT SetEquation(const RVLSharedHandle<ZALMPEquation>& equation);

  /// Writes the coupling part into the kind's own `element`. S_OK, also when
  /// a link cannot be written (reported); E_FAIL (reported): no element.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the coupling part back from the kind's own `element`; unknown ids
  /// are skipped. S_OK; E_FAIL (reported): no element. An "Equation" that
  /// names another kind raises RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

protected:
  ZALMPCoupling();
  ZALMPCoupling(const ZALMPCoupling& source);
};

/// The members of a coupling kind whose frames are the joint's.
#define ZALMP_DECLARE_COUPLING_KIND(T) ZALMP_DECLARE_SERIALIZED_KIND(T, ZALMPCoupling)

/// The members of a coupling kind that gives no frame: every frame operation
/// answers E_NOTIMPL (whatever the loader or the geometry would give) and the
/// frame count is 0.
#define ZALMP_DECLARE_UNFRAMED_COUPLING_KIND(T)                                                                \
  ZALMP_DECLARE_COUPLING_KIND(T);                                                                              \
                                                                                                               \
public:                                                                                                        \
  /** 0: the coupling gives no frame. */                                                                       \
  int GetFrameCount() const override;                                                                          \
  /** E_NOTIMPL; `frame` and `frames` are untouched. */                                                        \
  HRESULT GetFrame(int index, ZALMathAxis& frame) const;                                                       \
  HRESULT GetFrames(std::vector<ZALMathAxis>& frames) const;                                                   \
  HRESULT GetFrame(int index, ZALMathAxis& frame, unsigned char inBodyFrame) const override;                   \
  HRESULT GetFrames(std::vector<ZALMathAxis>& frames, unsigned char inBodyFrame, unsigned char fromGeometry)  \
      const override;                                                                                          \
                                                                                                               \
private:                                                                                                       \
  static_assert(true, "")

/// Defines a coupling kind declared with ZALMP_DECLARE_UNFRAMED_COUPLING_KIND.
#define ZALMP_DEFINE_UNFRAMED_COUPLING_KIND(T)                                                               \
  ZALMP_DEFINE_JOINT_KIND_OF(ZALMPCoupling, T, ZALMPCoupling, ZALMPCoupling);                                \
  int T::GetFrameCount() const { return 0; }                                                                 \
  HRESULT T::GetFrame(int, ZALMathAxis&) const { return E_NOTIMPL; }                                         \
  HRESULT T::GetFrames(std::vector<ZALMathAxis>&) const { return E_NOTIMPL; }                                \
  HRESULT T::GetFrame(int, ZALMathAxis&, unsigned char) const { return E_NOTIMPL; }                          \
  HRESULT T::GetFrames(std::vector<ZALMathAxis>&, unsigned char, unsigned char) const { return E_NOTIMPL; } \
  static_assert(true, "")
