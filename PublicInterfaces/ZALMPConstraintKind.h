#pragma once
#include "ZALMPConstraint.h"

#include <ZALStatus.h>

/// The members of a constraint kind: those of ZALMP_DECLARE_KIND, and the
/// kind's Serialize and Deserialize, which write and read the frame below.
///
/// Each kind writes, under the element it is given, one element named after
/// the kind (a "ZeroDoF" for ZALMP0DoF, a "SixDoF" for ZALMP6DoF) holding the
/// constraint's common part and then one text element per option, in the
/// kind's order, holding the name of the option's value. Writing gives S_OK,
/// or E_FAIL (reported) when the parent is null, the element cannot be added
/// or the common part fails; an option that cannot be written is reported, the
/// others are written and the answer is E_FAIL. Reading takes the next such
/// element and applies each option through its setter, so that a loader hears
/// of what was read; a name outside the option's table gives its first row.
/// E_FAIL (reported): the element is missing or its common part fails (no
/// option is read), or an option is missing or its setter fails (the other
/// options are still applied).
#define ZALMP_DECLARE_CONSTRAINT_KIND(T) ZALMP_DECLARE_SERIALIZED_KIND(T, ZALMPConstraint)

/// An enumerated option of a constraint kind held in `member`, `Holder::initial`
/// in a new constraint: `Get<Name>` copies it out (S_OK). With
/// ZALMP_STORED_OPTION, `Set<Name>` only stores (S_OK); with ZALMP_TOLD_OPTION
/// the kind's source defines `Set<Name>`, which stores and tells the kind's
/// loader (its header says how it answers). Leaves the class in its public section.
#define ZALMP_STORED_OPTION(Holder, Name, member, initial) \
public:                                                    \
  HRESULT Set##Name(Holder::Enum value)                    \
  {                                                        \
    member = value;                                        \
    return S_OK;                                           \
  }                                                        \
  ZALMP_OPTION_VALUE(Holder, Name, member, initial)

#define ZALMP_TOLD_OPTION(Holder, Name, member, initial) \
public:                                                  \
  HRESULT Set##Name(Holder::Enum value);                 \
  ZALMP_OPTION_VALUE(Holder, Name, member, initial)

#define ZALMP_OPTION_VALUE(Holder, Name, member, initial) \
public:                                                   \
  HRESULT Get##Name(Holder::Enum& value) const            \
  {                                                       \
    value = member;                                       \
    return S_OK;                                          \
  }                                                       \
                                                          \
private:                                                  \
  Holder::Enum member = Holder::initial;                  \
                                                          \
public:                                                   \
  static_assert(true, "")
