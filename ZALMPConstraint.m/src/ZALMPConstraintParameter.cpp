#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPConstraintParameter"
#include <ZALMPAssertionReport.h>

#include <ZALMPConstraintParameter.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace {

constexpr std::wstring_view kElement = L"ConstraintParameter";
constexpr std::wstring_view kTypes = L"Types";
constexpr std::wstring_view kTags = L"Tags";
constexpr std::wstring_view kParams = L"Params";
constexpr std::array<std::wstring_view, 2> kTypeIds = {L"Type1", L"Type2"};
constexpr std::array<std::wstring_view, 3> kTagIds = {L"Tag1", L"Tag2", L"Tag3"};
constexpr std::array<std::wstring_view, 3> kParamIds = {L"Cx", L"Cy", L"Cz"};

// Types and tags are stored as ints (a tag as its bit pattern), the numbers as doubles.
template <class T>
using Stored = std::conditional_t<std::is_floating_point_v<T>, double, std::int32_t>;

// Group `group` holding one value element per entry of `values`; failures are
// reported by the writer.
template <class T, std::size_t N>
void WriteGroup(const ZALMPFieldWriter& out, std::wstring_view group, const std::array<std::wstring_view, N>& ids,
                const T (&values)[N])
{
  const ZALMPFieldWriter items = out.Group(group);
  if (!items) return;
  for (std::size_t i = 0; i < N; ++i) {
    if constexpr (std::is_floating_point_v<T>)
      items.Number(ids[i], values[i]);
    else
      items.Value(ids[i], static_cast<std::int32_t>(values[i]));
  }
}

// The whole of `values` from group `group`: a missing item reads as 0; a
// missing group keeps `values`. Both are reported by the reader.
template <class T, std::size_t N>
void ReadGroup(const ZALMPFieldReader& in, std::wstring_view group, const std::array<std::wstring_view, N>& ids,
               T (&values)[N])
{
  const ZALMPFieldReader items = in.Group(group);
  if (!items) return;
  for (std::size_t i = 0; i < N; ++i) {
    Stored<T> read{};
    items.Read(ids[i], read);
    values[i] = static_cast<T>(read);
  }
}

}  // namespace

ZALMPConstraintParameter::~ZALMPConstraintParameter() = default;

HRESULT ZALMPConstraintParameter::Serialize(ZALMPSerializer* element) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter(element, ZALMP_HERE).Group(kElement);
  if (!out) {
    // A failed add was reported by the writer; a missing element is reported here.
    if (!element) ZALMP_REPORT();
    return E_FAIL;
  }
  WriteGroup(out, kTypes, kTypeIds, m_types);
  WriteGroup(out, kTags, kTagIds, m_tags);
  WriteGroup(out, kParams, kParamIds, m_params);
  return S_OK;
}

HRESULT ZALMPConstraintParameter::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap&)
{
  if (!element) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  m_initialized = true;
  const ZALMPFieldReader in(element, ZALMP_HERE);
  ReadGroup(in, kTypes, kTypeIds, m_types);
  ReadGroup(in, kTags, kTagIds, m_tags);
  ReadGroup(in, kParams, kParamIds, m_params);
  return S_OK;
}

void ZALMPConstraintParameter::SetTypes(const int types[2])
{
  std::copy_n(types, 2, m_types);
}

void ZALMPConstraintParameter::GetTypes(int types[2]) const
{
  std::copy_n(m_types, 2, types);
}

void ZALMPConstraintParameter::SetTags(const unsigned int tags[3])
{
  std::copy_n(tags, 3, m_tags);
}

void ZALMPConstraintParameter::GetTags(unsigned int tags[3]) const
{
  std::copy_n(m_tags, 3, tags);
}

void ZALMPConstraintParameter::SetParams(const double params[3])
{
  std::copy_n(params, 3, m_params);
}

void ZALMPConstraintParameter::GetParams(double params[3]) const
{
  std::copy_n(m_params, 3, params);
}

void ZALMPConstraintParameter::SetInitialized(bool initialized)
{
  m_initialized = initialized;
}

bool ZALMPConstraintParameter::IsInitialized() const
{
  return m_initialized;
}

bool ZALMPConstraintParameter::IsComplete() const
{
  return m_types[0] != 0 && m_tags[0] != 0;
}
