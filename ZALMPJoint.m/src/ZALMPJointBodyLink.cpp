#include "ZALMPJointBodyLink.h"

#include <ZALMPBody.h>
#include <ZALMPDeserializer.h>
#include <ZALMPJoint.h>
#include <ZALMPSerializer.h>
#include <ZALMPVersion.h>

#include <string>

namespace {

constexpr std::wstring_view kOrientation = L"bodyOrientation";

const ZALMPJoint& JointOf(const ZALMPEntity& entity)
{
  return static_cast<const ZALMPJoint&>(entity);
}

ZALMPJoint& JointOf(ZALMPEntity& entity)
{
  return static_cast<ZALMPJoint&>(entity);
}

}  // namespace

ZALMPJointBodyLink::ZALMPJointBodyLink(ZALMPSourceLocation where) : ZALMPLink(L"Bodies", L"Body", where) {}

void ZALMPJointBodyLink::ForEachPartner(const ZALMPEntity& entity,
                                        const std::function<void(const RVLSharedHandle<ZALMPEntity>&)>& visit) const
{
  for (const RVLSharedHandle<ZALMPBody>& body : JointOf(entity).m_bodies.Links()) visit(body);
}

HRESULT ZALMPJointBodyLink::Detach(ZALMPEntity& entity, HRESULT previous) const
{
  ZALMPJoint& joint = JointOf(entity);
  const RVLSharedHandle<ZALMPJoint> self(&joint);
  return AskEach(joint.m_bodies.Links(), previous, [&](ZALMPBody& body) { return body.RemoveJoint(self); });
}

void ZALMPJointBodyLink::Release(ZALMPEntity& entity) const
{
  ZALMPJoint& joint = JointOf(entity);
  joint.m_bodies.Clear();
  joint.m_orientations.clear();
}

void ZALMPJointBodyLink::Write(const ZALMPEntity& entity, ZALMPSerializer* element) const
{
  const ZALMPJoint& joint = JointOf(entity);
  ZALMPSerializer* group = BeginGroup(element, joint.m_bodies.Count());
  if (!group) return;
  std::wstring version;
  group->GetVersion(version);
  const bool oriented = ZALMPVersion::IsAtLeast(version, ZALMPVersion::kR2017_1);
  for (int i = 0; i < joint.m_bodies.Count(); ++i) {
    ZALMPSerializer* item = WriteOne(group, joint.m_bodies.Links()[static_cast<std::size_t>(i)]);
    const std::wstring_view name = ZALMPBodyOrientation::ToName(joint.m_orientations[static_cast<std::size_t>(i)]);
    if (item && oriented && FAILED(item->AddAttribute(kOrientation, name))) Report();
  }
}

void ZALMPJointBodyLink::Read(ZALMPEntity& entity, const ZALMPDeserializer* element,
                              const ZALMPIdentifierMap& ids) const
{
  ZALMPJoint& joint = JointOf(entity);
  std::wstring version;
  if (element) element->GetVersion(version);
  const bool oriented = ZALMPVersion::IsAtLeast(version, ZALMPVersion::kR2017_1);
  ForEachReference(element, ids, [&](const ZALMPDeserializer& item, const RVLSharedHandle<ZALMPEntity>& referent) {
    const RVLSharedHandle<ZALMPBody> body(referent);  // another kind raises RVLEInvalidCast
    ZALMPBodyOrientation::Enum orientation = ZALMPBodyOrientation::Out;
    if (oriented) {
      std::wstring name;
      // A missing orientation is reported by the element; the body stays unlinked.
      if (FAILED(item.GetAttribute(kOrientation, name))) return;
      orientation = ZALMPBodyOrientation::FromName(name);
    }
    if (FAILED(joint.LinkToBody(body, orientation))) Report();
  });
}

void ZALMPJointBodyLink::Relink(ZALMPEntity& copy, const ZALMPEntity& source, const ZALMPCopyLookup& copies,
                                bool filtered) const
{
  if (filtered) return;
  const ZALMPJoint& original = JointOf(source);
  for (int i = 0; i < original.m_bodies.Count(); ++i) {
    const RVLSharedHandle<ZALMPEntity> body = copies.CopyOf(original.m_bodies.Links()[static_cast<std::size_t>(i)].get());
    if (body) JointOf(copy).LinkToBody(RVLSharedHandle<ZALMPBody>(body), original.m_orientations[static_cast<std::size_t>(i)]);
  }
}
