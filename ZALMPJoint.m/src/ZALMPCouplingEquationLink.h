#pragma once
#include <ZALMPLinkTable.h>

/// A coupling's equation, which is its first constraint: written as
/// "Equation" before the joint part so that reading makes it constraint 0
/// before the other constraints are read. The constraints' link already
/// visits, asks, lets go of and re-makes the equation, so this one only
/// writes and reads it.
class ZALMPCouplingEquationLink final : public ZALMPLink {
public:
  explicit ZALMPCouplingEquationLink(ZALMPSourceLocation where);

  ZALMPFilteredCopy FilteredCopy() const override { return ZALMPFilteredCopy::Dropped; }

  const RVLClassInfo& PartnerClass() const override;
  HRESULT Link(ZALMPEntity& entity, const RVLSharedHandle<ZALMPEntity>& partner) const override;
  bool IsVisited() const override { return false; }
  void ForEachPartner(const ZALMPEntity& entity,
                      const std::function<void(const RVLSharedHandle<ZALMPEntity>&)>& visit) const override;
  HRESULT Detach(ZALMPEntity& entity, HRESULT previous) const override;
  void Release(ZALMPEntity& entity) const override;
  void Write(const ZALMPEntity& entity, ZALMPSerializer* element) const override;
  void Read(ZALMPEntity& entity, const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) const override;
  void Relink(ZALMPEntity& copy, const ZALMPEntity& source, const ZALMPCopyLookup& copies,
              bool filtered) const override;
};
