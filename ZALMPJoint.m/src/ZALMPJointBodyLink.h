#pragma once
#include <ZALMPBodyOrientation.h>
#include <ZALMPDeserializer.h>
#include <ZALMPLinkTable.h>
#include <ZALMPOrientedLinkList.h>
#include <ZALMPSerializer.h>
#include <ZALMPVersion.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

/// A joint's bodies: a list link whose every reference also carries the
/// body's orientation ("bodyOrientation", from R2017.1 on). A body read
/// without it from such a document is not linked. A filtered copy of a world
/// does not re-make the joint's side of this link (the body re-makes its own).
/// `Joint` holds the bodies of class `Body`; the joints in space and the
/// planar joints each have theirs.
template <class Joint, class Body>
class ZALMPJointBodyLink final : public ZALMPLink {
public:
  using Bodies = ZALMPOrientedLinkList<Body> Joint::*;
  using LinkBody = HRESULT (Joint::*)(const RVLSharedHandle<Body>&, ZALMPBodyOrientation::Enum);
  using Drop = HRESULT (Body::*)(const RVLSharedHandle<Joint>&);

  /// The bodies in `bodies`, saved as `groupId` holding one `itemId` per body;
  /// `link` links a body read, `drop` asks a body to forget the joint.
  static std::unique_ptr<const ZALMPLink> Make(Bodies bodies, std::wstring_view groupId, std::wstring_view itemId,
                                               LinkBody link, Drop drop, ZALMPSourceLocation where)
  {
    return std::unique_ptr<const ZALMPLink>(new ZALMPJointBodyLink(bodies, groupId, itemId, link, drop, where));
  }

  ZALMPFilteredCopy FilteredCopy() const override { return ZALMPFilteredCopy::Dropped; }

  const RVLClassInfo& PartnerClass() const override { return Body::ClassInfo(); }

  /// Links the body facing out, the orientation of a body read without one.
  HRESULT Link(ZALMPEntity& entity, const RVLSharedHandle<ZALMPEntity>& partner) const override
  {
    if (!IsPartner(partner)) {
      Report();
      return E_FAIL;
    }
    return (static_cast<Joint&>(entity).*m_link)(RVLSharedHandle<Body>(partner), ZALMPBodyOrientation::Out);
  }

  void ForEachPartner(const ZALMPEntity& entity,
                      const std::function<void(const RVLSharedHandle<ZALMPEntity>&)>& visit) const override
  {
    for (const RVLSharedHandle<Body>& body : Of(entity).Links()) visit(body);
  }

  HRESULT Detach(ZALMPEntity& entity, HRESULT previous) const override
  {
    Joint& joint = static_cast<Joint&>(entity);
    const RVLSharedHandle<Joint> self(&joint);
    return AskEach(Of(joint).Links(), previous, [&](Body& body) { return (body.*m_drop)(self); });
  }

  void Release(ZALMPEntity& entity) const override { (static_cast<Joint&>(entity).*m_bodies).Clear(); }

  void Write(const ZALMPEntity& entity, ZALMPSerializer* element) const override
  {
    const ZALMPOrientedLinkList<Body>& bodies = Of(entity);
    ZALMPSerializer* group = BeginGroup(element, bodies.Count());
    if (!group) return;
    std::wstring version;
    group->GetVersion(version);
    const bool oriented = ZALMPVersion::IsAtLeast(version, ZALMPVersion::kR2017_1);
    for (int i = 0; i < bodies.Count(); ++i) {
      ZALMPSerializer* item = WriteOne(group, bodies.Links()[static_cast<std::size_t>(i)]);
      const std::wstring_view name = ZALMPBodyOrientation::ToName(bodies.OrientationAt(i));
      if (item && oriented && FAILED(item->AddAttribute(kOrientation, name))) Report();
    }
  }

  void Read(ZALMPEntity& entity, const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) const override
  {
    Joint& joint = static_cast<Joint&>(entity);
    std::wstring version;
    if (element) element->GetVersion(version);
    const bool oriented = ZALMPVersion::IsAtLeast(version, ZALMPVersion::kR2017_1);
    const LinkBody link = m_link;
    const ZALMPJointBodyLink& self = *this;
    ForEachReference(element, ids, [&](const ZALMPDeserializer& item, const RVLSharedHandle<ZALMPEntity>& referent) {
      const RVLSharedHandle<Body> body = AsPartner<Body>(referent);  // another kind raises RVLEInvalidCast
      ZALMPBodyOrientation::Enum orientation = ZALMPBodyOrientation::Out;
      if (oriented) {
        std::wstring name;
        // A missing orientation is reported by the element; the body stays unlinked.
        if (FAILED(item.GetAttribute(kOrientation, name))) return;
        orientation = ZALMPBodyOrientation::FromName(name);
      }
      if (FAILED((joint.*link)(body, orientation))) self.Report();
    });
  }

  void Relink(ZALMPEntity& copy, const ZALMPEntity& source, const ZALMPCopyLookup& copies,
              bool filtered) const override
  {
    if (filtered) return;
    const ZALMPOrientedLinkList<Body>& original = Of(source);
    for (int i = 0; i < original.Count(); ++i) {
      const RVLSharedHandle<ZALMPEntity> body = copies.CopyOf(original.Links()[static_cast<std::size_t>(i)].get());
      if (body) (static_cast<Joint&>(copy).*m_link)(RVLSharedHandle<Body>(body), original.OrientationAt(i));
    }
  }

private:
  static constexpr std::wstring_view kOrientation = L"bodyOrientation";

  ZALMPJointBodyLink(Bodies bodies, std::wstring_view groupId, std::wstring_view itemId, LinkBody link, Drop drop,
                     ZALMPSourceLocation where)
      : ZALMPLink(groupId, itemId, where), m_bodies(bodies), m_link(link), m_drop(drop)
  {
  }

  const ZALMPOrientedLinkList<Body>& Of(const ZALMPEntity& entity) const
  {
    return static_cast<const Joint&>(entity).*m_bodies;
  }

  Bodies m_bodies;
  LinkBody m_link;
  Drop m_drop;
};
