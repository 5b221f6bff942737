#pragma once
#include <ZALMPLinkTable.h>

/// A joint's bodies: a list link whose every reference also carries the
/// body's orientation ("bodyOrientation", from R2017.1 on). A body read
/// without it from such a document is not linked. A filtered copy of a world
/// does not re-make the joint's side of this link (the body re-makes its own).
class ZALMPJointBodyLink final : public ZALMPLink {
public:
  explicit ZALMPJointBodyLink(ZALMPSourceLocation where);

  void ForEachPartner(const ZALMPEntity& entity,
                      const std::function<void(const RVLSharedHandle<ZALMPEntity>&)>& visit) const override;
  HRESULT Detach(ZALMPEntity& entity, HRESULT previous) const override;
  void Release(ZALMPEntity& entity) const override;
  void Write(const ZALMPEntity& entity, ZALMPSerializer* element) const override;
  void Read(ZALMPEntity& entity, const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) const override;
  void Relink(ZALMPEntity& copy, const ZALMPEntity& source, const ZALMPCopyLookup& copies,
              bool filtered) const override;
};
