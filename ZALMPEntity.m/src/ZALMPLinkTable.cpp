#include <ZALMPAssertionReport.h>
#include <ZALMPDeserializer.h>
#include <ZALMPEntity.h>
#include <ZALMPLinkTable.h>
#include <ZALMPSerializer.h>

#include <string>
#include <unordered_set>
#include <vector>

ZALMPLink::~ZALMPLink() = default;

void ZALMPLink::Report() const
{
  ZALMPAssertionReport("", m_where.file, m_where.line);
}

bool ZALMPLink::IsPartner(const RVLSharedHandle<ZALMPEntity>& partner) const
{
  return partner && partner->isDerivedFrom(PartnerClass());
}

ZALMPSerializer* ZALMPLink::BeginGroup(ZALMPSerializer* element, int count) const
{
  if (count == 0) return nullptr;
  ZALMPSerializer* group = nullptr;
  if (!element || FAILED(element->AddElement(m_groupId, group)) || !group) {
    Report();
    return nullptr;
  }
  return group;
}

// A reference: "id" and "name" of the referent. A referent no longer alive
// gives the element without attributes; an identifier that cannot be had is
// left out; both are reported.
ZALMPSerializer* ZALMPLink::WriteReference(ZALMPSerializer* parent, const ZALMPEntity* partner) const
{
  ZALMPSerializer* item = nullptr;
  if (!parent || FAILED(parent->AddElement(m_itemId, item)) || !item) {
    Report();
    return nullptr;
  }
  if (!partner) {
    Report();
    return item;
  }
  // One buffer for every reference a thread writes: a save writes millions.
  thread_local std::wstring id;
  if (FAILED(partner->GetIdentifier(id)) || id.empty() || FAILED(item->AddAttribute(L"id", id))) Report();
  if (FAILED(item->AddAttribute(L"name", partner->getEntityName()))) Report();
  return item;
}

namespace {

// The entity a reference names through its "id": null when the "id" is missing
// (reported by the element), unknown or mapped to nothing (silent).
RVLSharedHandle<ZALMPEntity> Referent(const ZALMPDeserializer& item, const ZALMPIdentifierMap& ids)
{
  // Looked up as the tree keeps it: a load resolves millions.
  std::string_view id;
  if (FAILED(item.GetAttributeEncoded(L"id", id))) return nullptr;
  const auto found = ids.findEncoded(id);
  return found == ids.end() ? nullptr : found->second;
}

}  // namespace

void ZALMPLink::ForEachReference(
    const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids,
    const std::function<void(const ZALMPDeserializer& item, const RVLSharedHandle<ZALMPEntity>& referent)>& visit) const
{
  if (!element) {
    Report();
    return;
  }
  const std::wstring_view holderId = IsList() ? m_groupId : m_itemId;
  // One lookup each: a missing holder comes back null, a missing item group empty.
  ZALMPDeserializer* holder = nullptr;
  if (FAILED(element->GetElement(holderId, holder))) {
    Report();
    return;
  }
  if (!holder) return;
  if (!IsList()) {
    if (const RVLSharedHandle<ZALMPEntity> referent = Referent(*holder, ids)) visit(*holder, referent);
    return;
  }
  ZALMPDeserializer::ElementIterator begin{};
  ZALMPDeserializer::ElementIterator end{};
  holder->GetElements(m_itemId, begin, end);
  // A group that holds no item is reported.
  if (begin == end) {
    Report();
    return;
  }
  for (auto item = begin; item != end; ++item) {
    if (!*item) {
      Report();
      continue;
    }
    if (const RVLSharedHandle<ZALMPEntity> referent = Referent(**item, ids)) visit(**item, referent);
  }
}

void ZALMPLinkTable::ForEachLink(const std::function<void(const ZALMPLink&)>& visit) const
{
  if (m_base) m_base->ForEachLink(visit);
  for (const auto& link : m_links) visit(*link);
}

HRESULT ZALMPLinkTable::Detach(ZALMPEntity& entity) const
{
  HRESULT status = S_OK;
  for (const bool lists : {false, true}) {
    bool failed = false;
    ForEachLink([&](const ZALMPLink& link) {
      if (failed || link.IsList() != lists) return;
      status = link.Detach(entity, status);
      failed = FAILED(status);
    });
    if (failed) return status;
  }
  return m_answer == Answer::LastPartner ? status : S_OK;
}

void ZALMPLinkTable::Release(ZALMPEntity& entity) const
{
  ForEachLink([&](const ZALMPLink& link) { link.Release(entity); });
}

void ZALMPLinkTable::Write(const ZALMPEntity& entity, ZALMPSerializer* element) const
{
  for (const auto& link : m_links) link->Write(entity, element);
}

void ZALMPLinkTable::Read(ZALMPEntity& entity, const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) const
{
  for (const auto& link : m_links) link->Read(entity, element, ids);
}

void ZALMPLinkTable::Relink(ZALMPEntity& copy, const ZALMPEntity& source, const ZALMPCopyLookup& copies,
                            bool filtered) const
{
  ForEachLink([&](const ZALMPLink& link) { link.Relink(copy, source, copies, filtered); });
}

bool ZALMPLinkTable::KeepsAlive(const ZALMPEntity& from, const ZALMPEntity& to)
{
  std::vector<const ZALMPEntity*> pending{&from};
  std::unordered_set<const ZALMPEntity*> seen;
  while (!pending.empty()) {
    const ZALMPEntity* entity = pending.back();
    pending.pop_back();
    if (entity == &to) return true;
    if (!seen.insert(entity).second) continue;
    entity->GetLinkTable().ForEachLink([&](const ZALMPLink& link) {
      if (!link.OutlivesOrphaning()) return;
      link.ForEachPartner(*entity, [&](const RVLSharedHandle<ZALMPEntity>& partner) {
        if (partner) pending.push_back(partner.get());
      });
    });
  }
  return false;
}
