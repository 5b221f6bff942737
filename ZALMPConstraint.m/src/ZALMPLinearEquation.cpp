#define ZALMP_SOURCE_FILE "ZALMPConstraint.m/src/ZALMPLinearEquation"
#include <ZALMPAssertionReport.h>

#include <ZALMPDeserializer.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldTable.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinearEquation.h>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

ZALMP_DEFINE_KIND(ZALMPLinearEquation, ZALMPEquation);

namespace {

constexpr std::wstring_view kConstantTerm = L"ConstantTerm";
constexpr std::wstring_view kHasConstantTerm = L"HasConstantTerm";
constexpr std::wstring_view kConstantTermValue = L"ConstantTermValue";
constexpr std::wstring_view kTerms = L"LinearTermDataContainer";
constexpr std::wstring_view kTerm = L"LinearTerm";
constexpr std::wstring_view kTermIndex = L"LinearTermIndex";
constexpr std::wstring_view kTermValue = L"LinearTermValue";

}  // namespace

ZALMPLinearEquation::ZALMPLinearEquation(const ZALMPLinearEquation& source)
    : ZALMPEquation(source), m_constant(source.m_constant), m_hasConstant(source.m_hasConstant)
{
}

HRESULT ZALMPLinearEquation::AddLinearTerm(double coefficient)
{
  m_terms.push_back(coefficient);
  return S_OK;
}

HRESULT ZALMPLinearEquation::SetLinearTerm(int index, double coefficient)
{
  if (index < 0 || index >= static_cast<int>(m_terms.size())) return S_FALSE;
  m_terms[static_cast<std::size_t>(index)] = coefficient;
  return S_OK;
}

HRESULT ZALMPLinearEquation::GetLinearTerm(int index, double& coefficient) const
{
  coefficient = 0.0;
  if (index < 0 || index >= static_cast<int>(m_terms.size())) return S_FALSE;
  coefficient = m_terms[static_cast<std::size_t>(index)];
  return S_OK;
}

bool ZALMPLinearEquation::HasConstantTerm() const
{
  return m_hasConstant;
}

HRESULT ZALMPLinearEquation::SetConstantTerm(double constant)
{
  m_constant = constant;
  m_hasConstant = true;
  return S_OK;
}

HRESULT ZALMPLinearEquation::GetConstantTerm(double& constant) const
{
  constant = m_constant;
  return S_OK;
}

HRESULT ZALMPLinearEquation::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPConstraint>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  const ZALMPFieldWriter constant = out.Group(kConstantTerm);
  bool complete = constant.Value(kHasConstantTerm, m_hasConstant);
  if (m_hasConstant) complete = constant.Number(kConstantTermValue, m_constant) && complete;

  // The write is complete only once the last term was reached, which an
  // equation without terms never does.
  const ZALMPFieldWriter terms = out.Group(kTerms);
  bool lastReached = false;
  for (std::size_t index = 0; terms && index < m_terms.size(); ++index) {
    const ZALMPFieldWriter term = terms.Group(kTerm);
    term.Value(kTermIndex, static_cast<std::int32_t>(index));
    term.Number(kTermValue, m_terms[index]);
    lastReached = index + 1 == m_terms.size();
  }
  if (complete && lastReached) return S_OK;
  ZALMP_REPORT();
  return E_FAIL;
}

HRESULT ZALMPLinearEquation::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPConstraint>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  const ZALMPFieldReader constant = in.Group(kConstantTerm);
  bool hasConstant = false;
  bool complete = constant.Read(kHasConstantTerm, hasConstant);
  if (hasConstant) {
    double value = 0.0;
    if (constant.Read(kConstantTermValue, value))
      SetConstantTerm(value);
    else
      complete = false;
  }

  const ZALMPFieldReader terms = in.Group(kTerms);
  if (!terms) return E_FAIL;
  std::vector<ZALMPDeserializer*> children;
  if (FAILED(terms.Element()->GetElements(children))) {
    ZALMP_REPORT();
    complete = false;
  }
  // A child counts its place whether or not it is taken, so one bad term does
  // not shift the indices the others are checked against.
  int place = 0;
  for (const ZALMPDeserializer* child : children) {
    const int expected = place++;
    const ZALMPFieldReader term(child, ZALMP_HERE);
    std::int32_t index = -1;
    // A missing index or value is reported by the reader.
    if (!child || (term.Read(kTermIndex, index) && index != expected)) ZALMP_REPORT();
    if (child && index == expected) AddLinearTerm(term.Number(kTermValue));
  }
  return complete ? S_OK : E_FAIL;
}

ZALMP_DEFINE_FIELDS(ZALMPLinearEquation, &ZALMPEquation::FieldTable(),
                    ZALMP_FIELD_ROW(ZALMPLinearEquation, ConstantTerm));
