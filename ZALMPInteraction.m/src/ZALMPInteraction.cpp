#define ZALMP_SOURCE_FILE "ZALMPInteraction.m/src/ZALMPInteraction"
#include <ZALMPAssertionReport.h>

#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPInteraction.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_CLASS(ZALMPInteraction, ZALMPEntity);

ZALMPInteraction::ZALMPInteraction() = default;

// The collidables belong to the original's place in a model: a copy starts without.
ZALMPInteraction::ZALMPInteraction(const ZALMPInteraction& source) : ZALMPEntity(source), m_ruleType(source.m_ruleType)
{
}

ZALMPInteraction::~ZALMPInteraction() = default;

HRESULT ZALMPInteraction::GetCollidable(int index, RVLSharedHandle<ZALMPEntity>& collidable) const
{
  return m_collidables.Get(index, collidable);
}

HRESULT ZALMPInteraction::SetCollidable(int index, const RVLSharedHandle<ZALMPEntity>& collidable)
{
  return m_collidables.Replace(index, collidable);
}

HRESULT ZALMPInteraction::AddCollidable(const RVLSharedHandle<ZALMPEntity>& collidable)
{
  return m_collidables.Add(collidable, ZALMP_HERE);
}

HRESULT ZALMPInteraction::RemoveCollidable(const RVLSharedHandle<ZALMPEntity>& collidable)
{
  return m_collidables.Remove(collidable, ZALMP_HERE);
}

HRESULT ZALMPInteraction::GetEntities(int index, RVLSharedVector<ZALMPEntity>& entities) const
{
  RVLSharedHandle<ZALMPEntity> collidable;
  if (FAILED(m_collidables.Get(index, collidable))) return E_FAIL;
  entities.push_back(collidable);
  return S_OK;
}

int ZALMPInteraction::GetCollidableCount() const
{
  return m_collidables.Count();
}

std::unique_ptr<const ZALMPLink> ZALMPInteraction::CollidablesSavedAs(std::wstring_view groupId,
                                                                      std::wstring_view itemId,
                                                                      ZALMPSourceLocation where)
{
  return ZALMPLinkTable::ListNotAsked(&ZALMPInteraction::m_collidables, groupId, itemId,
                                      &ZALMPInteraction::AddCollidable, ZALMPFilteredCopy::Relinked, where,
                                      ZALMPLinkRelease::Never);
}

// The collidables hold no link back: they are never asked anything, and the
// list stays when the interaction is orphaned. A filtered copy re-makes the
// links to the collidables that were copied with it, as for connectors.
ZALMP_DEFINE_LINKS(ZALMPInteraction, &ZALMPEntity::LinkTable(), Success,
                   CollidablesSavedAs(L"Collidables", L"Collidable", ZALMP_HERE));

HRESULT ZALMPInteraction::Serialize(ZALMPSerializer* element) const
{
  if (!element) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (FAILED(ZALMPEntity::Serialize(element))) {
    ZALMP_REPORT();
    return S_OK;
  }
  LinkTable().Write(*this, element);
  ZALMPFieldWriter(element, ZALMP_HERE).Name<ZALMPCollisionRuleType>(L"RuleType", m_ruleType);
  return S_OK;
}

HRESULT ZALMPInteraction::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  if (!element) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (FAILED(ZALMPEntity::Deserialize(element, ids))) {
    ZALMP_REPORT();
    return S_OK;
  }
  LinkTable().Read(*this, element, ids);
  ZALMPFieldReader(element, ZALMP_HERE).Name<ZALMPCollisionRuleType>(L"RuleType", m_ruleType);
  return S_OK;
}

ZALMP_DEFINE_FIELDS(ZALMPInteraction, &ZALMPEntity::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPInteraction, RuleType));
