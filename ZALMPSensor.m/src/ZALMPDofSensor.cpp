#define ZALMP_SOURCE_FILE "ZALMPSensor.m/src/ZALMPDofSensor"
#include <ZALMPAssertionReport.h>

#include "ZALMPDofGroup.h"
#include <ZALMPBody.h>
#include <ZALMPDofSensor.h>
#include <ZALMPLinkTable.h>

ZALMP_DEFINE_KIND(ZALMPDofSensor, ZALMPSensor);

ZALMPDofSensor::ZALMPDofSensor(const ZALMPDofSensor& source)
    : ZALMPSensor(source),
      m_translations(source.m_translations),
      m_poles(source.m_poles),
      m_axes(source.m_axes),
      m_pitches(source.m_pitches),
      m_translationCount(source.m_translationCount),
      m_rotationCount(source.m_rotationCount),
      m_screwCount(source.m_screwCount)
{
}

namespace {

constexpr ZALMPTripleIds kTranslationIds = {L"Tx", L"Ty", L"Tz"};
constexpr ZALMPTripleIds kPoleIds = {L"Polex", L"Poley", L"Polez"};
constexpr ZALMPTripleIds kAxisIds = {L"Axisx", L"Axisy", L"Axisz"};

}  // namespace

HRESULT ZALMPDofSensor::AddTranslation(const ZALMathVector& direction)
{
  if (m_translationCount == kSlotCount) return E_FAIL;
  m_translations[static_cast<std::size_t>(m_translationCount++)] = direction;
  return S_OK;
}

HRESULT ZALMPDofSensor::AddRotation(const ZALMathPoint& pole, const ZALMathVector& axis)
{
  if (m_rotationCount + m_screwCount == kSlotCount) return E_FAIL;
  const auto slot = static_cast<std::size_t>(m_rotationCount++);
  m_poles[slot] = pole;
  m_axes[slot] = axis;
  return S_OK;
}

// Screws fill the slots from the last one down.
HRESULT ZALMPDofSensor::AddScrew(const ZALMathPoint& pole, const ZALMathVector& axis, double pitch)
{
  if (m_rotationCount + m_screwCount == kSlotCount) return E_FAIL;
  const auto slot = static_cast<std::size_t>(kSlotCount - 1 - m_screwCount++);
  m_poles[slot] = pole;
  m_axes[slot] = axis;
  m_pitches[slot] = pitch;
  return S_OK;
}

HRESULT ZALMPDofSensor::GetTranslation(int index, ZALMathVector& direction) const
{
  if (index < 0 || index >= m_translationCount) return E_FAIL;
  direction = m_translations[static_cast<std::size_t>(index)];
  return S_OK;
}

HRESULT ZALMPDofSensor::GetRotation(int index, ZALMathPoint& pole, ZALMathVector& axis) const
{
  if (index < 0 || index >= m_rotationCount) return E_FAIL;
  pole = m_poles[static_cast<std::size_t>(index)];
  axis = m_axes[static_cast<std::size_t>(index)];
  return S_OK;
}

HRESULT ZALMPDofSensor::GetScrew(int index, ZALMathPoint& pole, ZALMathVector& axis, double& pitch) const
{
  if (index < 0 || index >= m_screwCount) return E_FAIL;
  const auto slot = static_cast<std::size_t>(kSlotCount - 1 - index);
  pole = m_poles[slot];
  axis = m_axes[slot];
  pitch = m_pitches[slot];
  return S_OK;
}

HRESULT ZALMPDofSensor::SetConstrainedBody(const RVLSharedHandle<ZALMPBody>& body)
{
  return ZALMPSetLink(m_constrainedBody, body, ZALMP_HERE);
}

HRESULT ZALMPDofSensor::SetReferenceBody(const RVLSharedHandle<ZALMPBody>& body)
{
  return ZALMPSetLink(m_referenceBody, body, ZALMP_HERE);
}

HRESULT ZALMPDofSensor::GetConstrainedBody(RVLSharedHandle<ZALMPBody>& body) const
{
  return ZALMPGetRequiredLink(m_constrainedBody, body, ZALMP_HERE);
}

HRESULT ZALMPDofSensor::GetReferenceBody(RVLSharedHandle<ZALMPBody>& body) const
{
  return ZALMPGetRequiredLink(m_referenceBody, body, ZALMP_HERE);
}

HRESULT ZALMPDofSensor::Reset()
{
  m_translationCount = m_rotationCount = m_screwCount = 0;
  return S_OK;
}

// The bodies are never asked anything.
ZALMP_DEFINE_LINKS(ZALMPDofSensor, &ZALMPEntity::LinkTable(), Success,
                   ZALMPLinkTable::OneNotAsked(&ZALMPDofSensor::m_constrainedBody, L"ConstrainedBody",
                                               &ZALMPDofSensor::SetConstrainedBody, ZALMPFilteredCopy::Relinked,
                                               ZALMP_HERE, ZALMPLinkRelease::Never),
                   ZALMPLinkTable::OneNotAsked(&ZALMPDofSensor::m_referenceBody, L"ReferenceBody",
                                               &ZALMPDofSensor::SetReferenceBody, ZALMPFilteredCopy::Relinked,
                                               ZALMP_HERE, ZALMPLinkRelease::Never));

HRESULT ZALMPDofSensor::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPSensor>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  out.Attribute(L"numberOfDof", static_cast<std::int32_t>(GetNumberOfDof()));
  ZALMPWriteDofGroup(out, L"Translations", L"Translation", m_translationCount,
                     [&](const ZALMPFieldWriter& item, int index) { item.Numbers(kTranslationIds, m_translations[index]); });
  const auto writeAxis = [&](const ZALMPFieldWriter& item, std::size_t slot) {
    item.Group(L"Pole").Numbers(kPoleIds, m_poles[slot]);
    item.Group(L"Axis").Numbers(kAxisIds, m_axes[slot]);
  };
  ZALMPWriteDofGroup(out, L"Rotations", L"Rotation", m_rotationCount, [&](const ZALMPFieldWriter& item, int index) {
    writeAxis(item, static_cast<std::size_t>(index));
  });
  ZALMPWriteDofGroup(out, L"Screws", L"Screw", m_screwCount, [&](const ZALMPFieldWriter& item, int index) {
    const auto slot = static_cast<std::size_t>(kSlotCount - 1 - index);
    writeAxis(item, slot);
    item.Group(L"Pitch").Number(L"Pitch", m_pitches[slot]);
  });
  LinkTable().Write(*this, out.Element());
  return S_OK;
}

HRESULT ZALMPDofSensor::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPSensor>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  std::int32_t numberOfDof = 0;
  const bool counted = in.Attribute(L"numberOfDof", numberOfDof);
  const bool translations = ZALMPReadDofGroup(
      in, L"Translations", L"Translation",
      [&](const ZALMPFieldReader& item) { return SUCCEEDED(AddTranslation(item.Vector(kTranslationIds))); },
      ZALMP_HERE);
  const auto axisOf = [](const ZALMPFieldReader& item) {
    return std::pair{item.Group(L"Pole").Point(kPoleIds), item.Group(L"Axis").Vector(kAxisIds)};
  };
  const bool rotations = ZALMPReadDofGroup(
      in, L"Rotations", L"Rotation",
      [&](const ZALMPFieldReader& item) {
        const auto [pole, axis] = axisOf(item);
        return SUCCEEDED(AddRotation(pole, axis));
      },
      ZALMP_HERE);
  const bool screws = ZALMPReadDofGroup(
      in, L"Screws", L"Screw",
      [&](const ZALMPFieldReader& item) {
        const auto [pole, axis] = axisOf(item);
        return SUCCEEDED(AddScrew(pole, axis, item.Group(L"Pitch").Number(L"Pitch")));
      },
      ZALMP_HERE);
  LinkTable().Read(*this, in.Element(), ids);
  if (counted && translations && rotations && screws) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}
