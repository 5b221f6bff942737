#define ZALMP_SOURCE_FILE "ZALMPValue.m/src/ZALMPExpression"
#include <ZALMPAssertionReport.h>

#include <ZALIMPExpressionLoader.h>
#include <ZALMPExpression.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPVariable.h>

#include <ZALWBEquation.h>

#include <cstdint>
#include <string>
#include <vector>

ZALMP_DEFINE_KIND(ZALMPExpression, ZALMPValue);

namespace {

constexpr std::wstring_view kVariableMapping = L"VariableMapping";

// The child of the mapping entry with key `key`: "Var0", "Var1" ...
std::wstring MappingEntryId(int key)
{
  return L"Var" + ZALMPSerializationServices::to_wstring(key);
}

}  // namespace

ZALMPExpression::ZALMPExpression(const ZALMPExpression& source)
    : ZALMPValue(source), m_equation(source.m_equation), m_mapping(source.m_mapping)
{
}

ZALMP_DEFINE_LOADER(ZALMPExpression, ZALIMPExpressionLoader);

HRESULT ZALMPExpression::SetValue(ZALWBEquation* equation)
{
  if (!equation) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  m_equation = equation;
  return S_OK;
}

HRESULT ZALMPExpression::GetValue(ZALWBEquation*& equation) const
{
  equation = m_equation;
  return equation ? S_OK : E_FAIL;
}

HRESULT ZALMPExpression::LinkToVariable(const RVLSharedHandle<ZALMPVariable>& variable)
{
  const int index = m_variables.Count();
  const HRESULT added = m_variables.Add(variable, ZALMP_HERE);
  if (added != S_OK) return added;
  m_mapping[index] = index;
  return S_OK;
}

HRESULT ZALMPExpression::AppendVariable(const RVLSharedHandle<ZALMPVariable>& variable)
{
  return m_variables.Add(variable, ZALMP_HERE);
}

HRESULT ZALMPExpression::GetLinkedVariable(int index, RVLSharedHandle<ZALMPVariable>& variable) const
{
  return m_variables.Get(index, variable);
}

int ZALMPExpression::GetLinkedVariableCount() const
{
  return m_variables.Count();
}

HRESULT ZALMPExpression::SetVariableMapping(const std::map<int, int>& mapping)
{
  if (&mapping != &m_mapping) m_mapping = mapping;
  return S_OK;
}

HRESULT ZALMPExpression::GetVariableMapping(std::map<int, int>& mapping) const
{
  if (&mapping != &m_mapping) mapping = m_mapping;
  return S_OK;
}

// The variables are not asked to forget the expression; ClearContainers
// empties the list. A copy keeps the mapping it copied when its variables are
// linked again.
ZALMP_DEFINE_LINKS(ZALMPExpression, &ZALMPValue::LinkTable(), Success,
                   ZALMPLinkTable::ListNotAsked(&ZALMPExpression::m_variables, L"Variables", L"Variable",
                                                &ZALMPExpression::LinkToVariable, ZALMPFilteredCopy::Dropped,
                                                ZALMP_HERE, ZALMPLinkRelease::Default,
                                                &ZALMPExpression::AppendVariable));

HRESULT ZALMPExpression::Serialize(ZALMPSerializer* parent) const
{
  const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPValue>(*this, parent, ZALMP_HERE);
  if (!out) return E_FAIL;
  bool failed = false;

  ZALWBEquation* equation = nullptr;
  std::wstring text;
  if (FAILED(GetValue(equation)) || FAILED(ZALMPSerializationServices::PrintWBEquation(equation, text))) {
    ZALMP_REPORT();
    failed = true;
  } else {
    failed = !out.Value(L"Value", std::wstring_view(text));
  }

  LinkTable().Write(*this, out.Element());

  const ZALMPFieldWriter mapping = out.Group(kVariableMapping);
  if (!mapping) failed = true;
  for (const auto& [key, value] : m_mapping) mapping.Value(MappingEntryId(key), static_cast<std::int32_t>(value));
  return failed ? E_FAIL : S_OK;
}

HRESULT ZALMPExpression::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)
{
  const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPValue>(*this, parent, ids, ZALMP_HERE);
  if (!in) return E_FAIL;
  const HRESULT equationRead = ReadEquation(in);
  LinkTable().Read(*this, in.Element(), ids);
  ReadVariableMapping(in);
  if (FAILED(equationRead)) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

// Parses "Value" into the equation factory of the expression's world; each
// problem is reported where it is found.
HRESULT ZALMPExpression::ReadEquation(const ZALMPFieldReader& in)
{
  std::wstring text;
  if (!in.Read(L"Value", text)) return E_FAIL;
  bool inWorld = false;
  if (FAILED(IsInWorld(inWorld)) || !inWorld) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  ZALWBFactory* factory = nullptr;
  if (FAILED(GetEquationFactory(factory)) || !factory) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  ZALWBEquation* equation = nullptr;
  if (FAILED(ZALMPSerializationServices::ParseWBEquation(text, factory, equation)) || !equation) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return SetValue(equation);
}

// Entry k is read from "Var<k>" for k below the number of children, so the
// keys are expected to run from 0 without gaps; the read entries replace the mapping.
void ZALMPExpression::ReadVariableMapping(const ZALMPFieldReader& in)
{
  const ZALMPFieldReader group = in.Group(kVariableMapping);
  if (!group) return;
  std::vector<ZALMPDeserializer*> children;
  group.Element()->GetElements(children);
  std::map<int, int> mapping;
  const int count = static_cast<int>(children.size());
  for (int key = 0; key < count; ++key) {
    std::int32_t value = 0;
    if (group.Read(MappingEntryId(key), value)) mapping[key] = value;
  }
  SetVariableMapping(mapping);
}
