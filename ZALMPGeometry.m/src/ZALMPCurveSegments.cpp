#include <ZALMPAssertionReport.h>
#include <ZALMPCurveSegments.h>

#include <ZALCrvLimits.h>

#include <algorithm>
#include <cstddef>

ZALMPCurveSegments::ZALMPCurveSegments() = default;

ZALMPCurveSegments::ZALMPCurveSegments(const ZALMPCurveSegments& source)
  : m_objects(source.m_objects), m_orientations(source.m_orientations)
{
  m_limits.reserve(source.m_limits.size());
  m_ownLimits.reserve(source.m_limits.size());
  for (const ZALCrvLimits* limits : source.m_limits) {
    m_ownLimits.push_back(std::make_unique<ZALCrvLimits>(*limits));
    m_limits.push_back(m_ownLimits.back().get());
  }
}

ZALMPCurveSegments::~ZALMPCurveSegments()
{
  if (!m_deleteLimitsAtEnd) return;
  // The callers' limits, each once: a caller may have given one to several segments.
  std::vector<ZALCrvLimits*> given;
  for (ZALCrvLimits* limits : m_limits) {
    const bool own = std::any_of(m_ownLimits.begin(), m_ownLimits.end(),
                                 [limits](const std::unique_ptr<ZALCrvLimits>& made) { return made.get() == limits; });
    if (!own) given.push_back(limits);
  }
  std::sort(given.begin(), given.end());
  given.erase(std::unique(given.begin(), given.end()), given.end());
  for (ZALCrvLimits* limits : given) {
    const std::unique_ptr<ZALCrvLimits> handedOver(limits);
  }
}

HRESULT ZALMPCurveSegments::Add(ZALBaseUnknown* object, ZALMPCurveOrientation::Enum orientation, void* limits,
                                ZALMPSourceLocation where)
{
  if (!object || !limits) {
    ZALMPAssertionReport("", where.file, where.line);
    return E_FAIL;
  }
  m_objects.emplace_back(object);
  m_orientations.push_back(orientation);
  m_limits.push_back(static_cast<ZALCrvLimits*>(limits));
  return S_OK;
}

void ZALMPCurveSegments::AddOwned(ZALBaseUnknown* object, ZALMPCurveOrientation::Enum orientation,
                                  std::unique_ptr<ZALCrvLimits> limits)
{
  m_objects.emplace_back(object);
  m_orientations.push_back(orientation);
  m_limits.push_back(limits.get());
  m_ownLimits.push_back(std::move(limits));
}

HRESULT ZALMPCurveSegments::Get(int index, ZALBaseUnknown*& object, ZALMPCurveOrientation::Enum& orientation,
                                void*& limits) const
{
  if (index < 0 || index >= Count()) {
    object = nullptr;
    orientation = ZALMPCurveOrientation::Positive;
    limits = nullptr;
    return E_FAIL;
  }
  const auto at = static_cast<std::size_t>(index);
  object = m_objects[at].get();
  orientation = m_orientations[at];
  limits = m_limits[at];
  return S_OK;
}

int ZALMPCurveSegments::Count() const
{
  return static_cast<int>(m_objects.size());
}

void ZALMPCurveSegments::DeleteLimitsAtEnd(bool deleteLimits)
{
  m_deleteLimitsAtEnd = deleteLimits;
}
