#pragma once
#include "ZALMPLinkTable.h"
#include "ZALMPValue.h"

#include <array>
#include <cstddef>

/// A fixed array of value handles of `Owner` (some of which may be empty) as
/// one link: the owner's own settings, never asked anything, kept when the
/// owner is orphaned, copied along with it by a filtered copy. The owner
/// writes and reads them in its own layout, so the link does neither.
template <class Owner, std::size_t N>
class ZALMPValueArrayLink final : public ZALMPLink {
public:
  using Values = std::array<RVLSharedHandle<ZALMPValue>, N>;

  ZALMPValueArrayLink(Values Owner::*member, std::wstring_view itemId, ZALMPSourceLocation where)
      : ZALMPLink({}, itemId, where), m_member(member)
  {
  }

  ZALMPFilteredCopy FilteredCopy() const override { return ZALMPFilteredCopy::CopiedAlong; }

  void ForEachPartner(const ZALMPEntity& entity,
                      const std::function<void(const RVLSharedHandle<ZALMPEntity>&)>& visit) const override
  {
    for (const RVLSharedHandle<ZALMPValue>& value : static_cast<const Owner&>(entity).*m_member)
      if (value) visit(value);
  }
  const RVLClassInfo& PartnerClass() const override { return ZALMPValue::ClassInfo(); }
  /// The values are set through the owner's own operations.
  HRESULT Link(ZALMPEntity&, const RVLSharedHandle<ZALMPEntity>&) const override { return S_FALSE; }
  HRESULT Detach(ZALMPEntity&, HRESULT previous) const override { return previous; }
  void Release(ZALMPEntity&) const override {}
  void Write(const ZALMPEntity&, ZALMPSerializer*) const override {}
  void Read(ZALMPEntity&, const ZALMPDeserializer*, const ZALMPIdentifierMap&) const override {}

  void Relink(ZALMPEntity& copy, const ZALMPEntity& source, const ZALMPCopyLookup& copies, bool) const override
  {
    const Values& from = static_cast<const Owner&>(source).*m_member;
    Values& to = static_cast<Owner&>(copy).*m_member;
    for (std::size_t index = 0; index < N; ++index)
      if (from[index]) to[index] = RVLSharedHandle<ZALMPValue>(copies.CopyOf(from[index].get()));
  }

private:
  Values Owner::*m_member;
};
