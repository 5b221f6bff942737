#pragma once
// Defines a kinematic constraint kind in one line.

#include <ZALMPKinematicConstraint.h>

/// Identity, factory entry, constructors and the element name `elementId` of
/// a kinematic constraint kind; everything else is the kinematic base's, and
/// so is what a copy keeps.
#define ZALMP_DEFINE_KINEMATIC_CONSTRAINT(T, elementId)                    \
  ZALMP_DEFINE_KIND(T, ZALMPKinematicConstraint);                          \
  T::T(const T& source) : ZALMPKinematicConstraint(source) {}              \
  std::wstring_view T::getClassSerializeID_() const { return elementId; } \
  static_assert(true, "")
