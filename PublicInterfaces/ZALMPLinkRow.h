#pragma once
// The typed half of a link description, included by ZALMPLinkTable.h: member
// access, narrowing to the partner's class and the owner's and partner's
// operations. Everything that does not depend on the types is in ZALMPLink.

#include "ZALMPLinkTable.h"

#include <RVLSharedHandle.h>
#include <RVLSharedVector.h>

#include <type_traits>

/// A list or single-handle link of `Owner` to partners of class `Partner`; the
/// partner's drop operation takes the owner as `Self` (the owner's class or a base).
template <class Owner, class Partner, class Holder, class Self>
class ZALMPLinkRow final : public ZALMPLink {
public:
  using Add = HRESULT (Owner::*)(const RVLSharedHandle<Partner>&);
  using Drop = HRESULT (Partner::*)(const RVLSharedHandle<Self>&);
  static constexpr bool kIsList = !std::is_same_v<Holder, RVLSharedHandle<Partner>>;

  ZALMPLinkRow(Holder Owner::*member, std::wstring_view groupId, std::wstring_view itemId, Add add, Add copy,
               Drop drop, ZALMPFilteredCopy filtered, ZALMPLinkRelease release, ZALMPSourceLocation where)
      : ZALMPLink(groupId, itemId, where),
        m_member(member),
        m_add(add),
        m_copy(copy ? copy : add),
        m_drop(drop),
        m_filtered(filtered),
        m_release(release)
  {
  }

  ZALMPFilteredCopy FilteredCopy() const override { return m_filtered; }
  bool OutlivesOrphaning() const override { return m_release == ZALMPLinkRelease::Never; }

  const RVLClassInfo& PartnerClass() const override { return Partner::ClassInfo(); }

  HRESULT Link(ZALMPEntity& entity, const RVLSharedHandle<ZALMPEntity>& partner) const override
  {
    if (!IsPartner(partner)) {
      Report();
      return E_FAIL;
    }
    return (static_cast<Owner&>(entity).*m_add)(RVLSharedHandle<Partner>(partner));
  }

  void ForEachPartner(const ZALMPEntity& entity,
                      const std::function<void(const RVLSharedHandle<ZALMPEntity>&)>& visit) const override
  {
    const Holder& holder = Of(entity);
    if constexpr (kIsList) {
      for (const RVLSharedHandle<Partner>& partner : holder.Links()) visit(partner);
    } else if (holder) {
      visit(holder);
    }
  }

  HRESULT Detach(ZALMPEntity& entity, HRESULT previous) const override
  {
    Owner& owner = static_cast<Owner&>(entity);
    Holder& holder = owner.*m_member;
    const RVLSharedHandle<Self> self(static_cast<Self*>(&owner));
    HRESULT status = previous;
    if constexpr (kIsList) {
      if (!m_drop) return previous;
      return AskEach(holder.Links(), previous, [&](Partner& partner) { return (partner.*m_drop)(self); });
    } else {
      if (!holder) return previous;
      if (m_drop && holder.IsAlive())
        status = (holder.get()->*m_drop)(self);
      else if (m_drop)
        Report();
      if (m_release != ZALMPLinkRelease::Never) holder.Release();
    }
    return status;
  }

  void Release(ZALMPEntity& entity) const override
  {
    if constexpr (kIsList) {
      if (m_release != ZALMPLinkRelease::Never) (static_cast<Owner&>(entity).*m_member).Clear();
    }
  }

  void Write(const ZALMPEntity& entity, ZALMPSerializer* element) const override
  {
    const Holder& holder = Of(entity);
    if constexpr (kIsList) {
      ZALMPSerializer* group = BeginGroup(element, holder.Count());
      if (group)
        for (const RVLSharedHandle<Partner>& partner : holder.Links()) WriteOne(group, partner);
    } else if (holder) {
      WriteOne(element, holder);
    }
  }

  void Read(ZALMPEntity& entity, const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) const override
  {
    // What the visitor needs, behind one reference: the visitor then fits in
    // the std::function without an allocation. The row's adder is a copy: the
    // sanitizer build's member checks misread the row's members inside it.
    const struct {
      Owner& owner;
      const ZALMPLinkRow& row;
      Add add;
    } reading{static_cast<Owner&>(entity), *this, m_add};
    ForEachReference(element, ids, [&reading](const ZALMPDeserializer&, const RVLSharedHandle<ZALMPEntity>& partner) {
      if (reading.row.OutlivesOrphaning() && ZALMPLinkTable::KeepsAlive(*partner, reading.owner)) {
        reading.row.Report();  // a loop that would outlive the world
        return;
      }
      if (FAILED((reading.owner.*reading.add)(AsPartner<Partner>(partner)))) reading.row.Report();
    });
  }

  void Relink(ZALMPEntity& copy, const ZALMPEntity& source, const ZALMPCopyLookup& copies,
              bool filtered) const override
  {
    if (filtered && m_filtered == ZALMPFilteredCopy::Dropped) return;
    Owner& target = static_cast<Owner&>(copy);
    const Holder& holder = Of(source);
    if constexpr (kIsList) {
      for (const RVLSharedHandle<Partner>& partner : holder.Links()) RelinkOne(target, partner, copies);
    } else if (holder) {
      RelinkOne(target, holder, copies);
    }
  }

private:
  const Holder& Of(const ZALMPEntity& entity) const { return static_cast<const Owner&>(entity).*m_member; }

  // Links `target` to the copy of `partner`, when it was copied.
  void RelinkOne(Owner& target, const RVLSharedHandle<Partner>& partner, const ZALMPCopyLookup& copies) const
  {
    const RVLSharedHandle<ZALMPEntity> partnerCopy = copies.CopyOf(partner.get());
    if (!partnerCopy) return;
    const RVLSharedHandle<Partner> narrowed(partnerCopy);
    (target.*m_copy)(narrowed);
  }

  Holder Owner::*m_member;
  Add m_add;
  Add m_copy;
  Drop m_drop;
  ZALMPFilteredCopy m_filtered;
  ZALMPLinkRelease m_release;
};

template <class Owner, class Partner, class Self>
std::unique_ptr<const ZALMPLink> ZALMPLinkTable::List(ZALMPLinkList<Partner> Owner::*member, std::wstring_view groupId,
                                                      std::wstring_view itemId,
                                                      HRESULT (Owner::*add)(const RVLSharedHandle<Partner>&),
                                                      HRESULT (Partner::*drop)(const RVLSharedHandle<Self>&),
                                                      ZALMPFilteredCopy filtered, ZALMPSourceLocation where,
                                                      ZALMPLinkRelease release,
                                                      HRESULT (Owner::*copy)(const RVLSharedHandle<Partner>&))
{
  return std::make_unique<ZALMPLinkRow<Owner, Partner, ZALMPLinkList<Partner>, Self>>(
      member, groupId, itemId, add, copy, drop, filtered, release, where);
}

template <class Owner, class Partner, class Self>
std::unique_ptr<const ZALMPLink> ZALMPLinkTable::One(RVLSharedHandle<Partner> Owner::*member, std::wstring_view itemId,
                                                     HRESULT (Owner::*set)(const RVLSharedHandle<Partner>&),
                                                     HRESULT (Partner::*drop)(const RVLSharedHandle<Self>&),
                                                     ZALMPFilteredCopy filtered, ZALMPSourceLocation where,
                                                     ZALMPLinkRelease release)
{
  return std::make_unique<ZALMPLinkRow<Owner, Partner, RVLSharedHandle<Partner>, Self>>(
      member, std::wstring_view(), itemId, set, nullptr, drop, filtered, release, where);
}
