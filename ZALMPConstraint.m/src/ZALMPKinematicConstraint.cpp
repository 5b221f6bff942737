#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPKinematicConstraint"
#include <ZALMPAssertionReport.h>

#include <ZALIMPKinematicConstraintLoader.h>
#include <ZALMPDeserializer.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPKinematicConstraint.h>
#include <ZALMPSerializer.h>

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::wstring_view, 2> kAxisIds = {L"SelectedAxis0", L"SelectedAxis1"};

bool IsAxisIndex(int index)
{
  return index == 0 || index == 1;
}

}  // namespace

ZALMP_DEFINE_CLASS(ZALMPKinematicConstraint, ZALMPConstraint);

ZALMPKinematicConstraint::ZALMPKinematicConstraint() = default;

ZALMPKinematicConstraint::ZALMPKinematicConstraint(const ZALMPKinematicConstraint& source)
    : ZALMPConstraint(source), m_axes{source.m_axes[0], source.m_axes[1]}
{
}

ZALMPKinematicConstraint::~ZALMPKinematicConstraint() = default;

ZALMP_DEFINE_LOADER(ZALMPKinematicConstraint, ZALIMPKinematicConstraintLoader);

HRESULT ZALMPKinematicConstraint::SetSelectedAxis(int index, ZALMPSelectedAxis::Enum axis)
{
  if (!IsAxisIndex(index)) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  m_axes[index] = axis;
  return S_OK;
}

HRESULT ZALMPKinematicConstraint::GetSelectedAxis(int index, ZALMPSelectedAxis::Enum& axis) const
{
  if (!IsAxisIndex(index)) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  axis = m_axes[index];
  return S_OK;
}

// The kind's element is named by getClassSerializeID_().
HRESULT ZALMPKinematicConstraint::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPConstraint>(*this, element, getClassSerializeID_(), ZALMP_HERE);
  if (!out) return E_FAIL;
  bool written = true;
  for (std::size_t i = 0; i < kAxisIds.size(); ++i) written &= out.Name<ZALMPSelectedAxis>(kAxisIds[i], m_axes[i]);
  return written ? S_OK : E_FAIL;
}

HRESULT ZALMPKinematicConstraint::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in =
      ZALMPFieldReader::Begin<ZALMPConstraint>(*this, element, ids, getClassSerializeID_(), ZALMP_HERE);
  if (!in) return E_FAIL;
  bool read = true;
  for (std::size_t i = 0; i < kAxisIds.size(); ++i) read &= in.Name<ZALMPSelectedAxis>(kAxisIds[i], m_axes[i]);
  return read ? S_OK : E_FAIL;
}
