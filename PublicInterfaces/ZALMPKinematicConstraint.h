#pragma once
#include "ZALMPConstraint.h"
#include "ZALMPExport.h"
#include "ZALMPSelectedAxis.h"

#include <ZALStatus.h>

#include <string_view>

class ZALIMPKinematicConstraintLoader;

/// The members of a kinematic constraint kind: those of ZALMP_DECLARE_KIND and
/// the element name the kind is written under.
#define ZALMP_DECLARE_KINEMATIC_CONSTRAINT(T)              \
  ZALMP_DECLARE_KIND(T, ZALMPKinematicConstraint);          \
                                                            \
public:                                                     \
  std::wstring_view getClassSerializeID_() const override; \
                                                            \
private:                                                    \
  static_assert(true, "")

/// The base of the constraints that reproduce a joint's degrees of freedom
/// (cylindrical, planar, prismatic, revolute, spherical, universal). Beside
/// the constraint's links it selects two axes of the joint's frames, both Z
/// in a new constraint; the kinds differ only in the element they are
/// written under.
///
/// A kind writes, under the element it is given, its own element
/// (getClassSerializeID_()) holding the constraint's part and then
/// "SelectedAxis0" and "SelectedAxis1" by name. Reading takes that element
/// back; an axis name outside the table reads as X.
///
/// A copy keeps both selected axes (they describe the constraint itself, not
/// its links); the constraint's part starts empty as for every constraint.
class ZALMP_EXPORT ZALMPKinematicConstraint : public ZALMPConstraint {
  ZALMP_DECLARE_CLASS(ZALMPKinematicConstraint, ZALMPConstraint);

public:
  ~ZALMPKinematicConstraint() override;

  /// S_OK: axis `index` (0 or 1) is `axis`. E_FAIL (reported): any other index; nothing changes.
  HRESULT SetSelectedAxis(int index, ZALMPSelectedAxis::Enum axis);
  /// S_OK and axis `index` (0 or 1). E_FAIL (reported): any other index; `axis` is left as it was.
  HRESULT GetSelectedAxis(int index, ZALMPSelectedAxis::Enum& axis) const;

  /// The entity's loader narrowed to a kinematic constraint loader (null when it is none); S_OK.
  ZALMP_DECLARE_LOADER(ZALIMPKinematicConstraintLoader, ZALMPConstraint);

  /// The element the kind is written under ("RevoluteConstraint" ...).
  virtual std::wstring_view getClassSerializeID_() const = 0;

  /// S_OK. E_FAIL (reported): no element, the kind's element cannot be added,
  /// the constraint's part fails, or an axis cannot be written (the other
  /// still is).
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// S_OK. E_FAIL (reported): no element, no element of the kind, the
  /// constraint's part fails, or an axis is missing (that axis is kept, the
  /// other is still read).
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

protected:
  ZALMPKinematicConstraint();
  ZALMPKinematicConstraint(const ZALMPKinematicConstraint& source);

private:
  ZALMPSelectedAxis::Enum m_axes[2] = {ZALMPSelectedAxis::Z, ZALMPSelectedAxis::Z};
};
