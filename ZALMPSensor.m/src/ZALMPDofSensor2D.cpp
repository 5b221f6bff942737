#define ZALMP_SOURCE_FILE "ZALMPSensor.m/src/ZALMPDofSensor2D"
#include <ZALMPAssertionReport.h>

#include "ZALMPDofGroup.h"
#include <ZALMPBody2D.h>
#include <ZALMPDofSensor2D.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_KIND(ZALMPDofSensor2D, ZALMPSensor);

ZALMPDofSensor2D::ZALMPDofSensor2D(const ZALMPDofSensor2D& source)
    : ZALMPSensor(source),
      m_translations(source.m_translations),
      m_centres(source.m_centres),
      m_translationCount(source.m_translationCount),
      m_rotationCount(source.m_rotationCount)
{
}

namespace {

constexpr ZALMPPairIds kTranslationIds = {L"Vx", L"Vy"};
constexpr ZALMPPairIds kCentreIds = {L"xCenter", L"yCenter"};

// Appends `item` to the first `count` of `slots`; E_FAIL when they are all taken.
template <class Item>
HRESULT Append(std::array<Item, ZALMPDofSensor2D::kSlotCount>& slots, int& count, const Item& item)
{
  if (count == ZALMPDofSensor2D::kSlotCount) return E_FAIL;
  slots[static_cast<std::size_t>(count++)] = item;
  return S_OK;
}

template <class Item>
HRESULT Fetch(const std::array<Item, ZALMPDofSensor2D::kSlotCount>& slots, int count, int index, Item& item)
{
  if (index < 0 || index >= count) return E_FAIL;
  item = slots[static_cast<std::size_t>(index)];
  return S_OK;
}

}  // namespace

HRESULT ZALMPDofSensor2D::AddTranslation(const ZALMathVector2D& direction)
{
  return Append(m_translations, m_translationCount, direction);
}

HRESULT ZALMPDofSensor2D::AddRotation(const ZALMathPoint2D& centre)
{
  return Append(m_centres, m_rotationCount, centre);
}

HRESULT ZALMPDofSensor2D::GetTranslation(int index, ZALMathVector2D& direction) const
{
  return Fetch(m_translations, m_translationCount, index, direction);
}

HRESULT ZALMPDofSensor2D::GetRotation(int index, ZALMathPoint2D& centre) const
{
  return Fetch(m_centres, m_rotationCount, index, centre);
}

HRESULT ZALMPDofSensor2D::SetConstrainedBody(const RVLSharedHandle<ZALMPBody2D>& body)
{
  return ZALMPSetLink(m_constrainedBody, body, ZALMP_HERE);
}

HRESULT ZALMPDofSensor2D::SetReferenceBody(const RVLSharedHandle<ZALMPBody2D>& body)
{
  return ZALMPSetLink(m_referenceBody, body, ZALMP_HERE);
}

HRESULT ZALMPDofSensor2D::GetConstrainedBody(RVLSharedHandle<ZALMPBody2D>& body) const
{
  return ZALMPGetRequiredLink(m_constrainedBody, body, ZALMP_HERE);
}

HRESULT ZALMPDofSensor2D::GetReferenceBody(RVLSharedHandle<ZALMPBody2D>& body) const
{
  return ZALMPGetRequiredLink(m_referenceBody, body, ZALMP_HERE);
}

HRESULT ZALMPDofSensor2D::Reset()
{
  m_translationCount = m_rotationCount = 0;
  return S_OK;
}

// The bodies are never asked anything.
ZALMP_DEFINE_LINKS(ZALMPDofSensor2D, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPDofSensor2D::m_constrainedBody, L"ConstrainedBody2D",
                                               &ZALMPDofSensor2D::SetConstrainedBody, ZALMPFilteredCopy::Relinked,
                                               ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPDofSensor2D::m_referenceBody, L"ReferenceBody2D",
                                               &ZALMPDofSensor2D::SetReferenceBody, ZALMPFilteredCopy::Relinked,
                                               ZALMP_HERE, ZALMPLinkRelease::Never));

HRESULT ZALMPDofSensor2D::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPSensor>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  out.Attribute(L"numberOfDof", static_cast<std::int32_t>(GetNumberOfDof()));
  ZALMPWriteDofGroup(out, L"Translations2D", L"Translation2D", m_translationCount,
                     [&](const ZALMPFieldWriter& item, int index) { item.Numbers(kTranslationIds, m_translations[index]); });
  ZALMPWriteDofGroup(out, L"Rotations2D", L"Rotation2D", m_rotationCount, [&](const ZALMPFieldWriter& item, int index) {
    item.Group(L"Center").Numbers(kCentreIds, m_centres[index]);
  });
  LinkTable().Write(*this, out.Element());
  return S_OK;
}

HRESULT ZALMPDofSensor2D::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPSensor>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  std::int32_t numberOfDof = 0;
  const bool counted = in.Attribute(L"numberOfDof", numberOfDof);
  const bool translations = ZALMPReadDofGroup(
      in, L"Translations2D", L"Translation2D",
      [&](const ZALMPFieldReader& item) { return SUCCEEDED(AddTranslation(item.Vector(kTranslationIds))); },
      ZALMP_HERE);
  const bool rotations = ZALMPReadDofGroup(
      in, L"Rotations2D", L"Rotation2D",
      [&](const ZALMPFieldReader& item) { return SUCCEEDED(AddRotation(item.Group(L"Center").Point(kCentreIds))); },
      ZALMP_HERE);
  LinkTable().Read(*this, in.Element(), ids);
  if (counted && translations && rotations) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}
