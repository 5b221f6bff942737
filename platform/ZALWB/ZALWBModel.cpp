#include "ZALWBModel.h"

#include "ZALWBEquation.h"
#include "ZALWBFactory.h"

#include <algorithm>

ZALWBModel::ZALWBModel() = default;
ZALWBModel::~ZALWBModel() = default;

const ZALWBEquation* ZALWBModel::GetEquation(int index) const
{
  if (index < 0 || index >= GetNbOfEquations()) return nullptr;
  return m_equations[static_cast<std::size_t>(index)].get();
}

int ZALWBModel::AddEquation(std::unique_ptr<ZALWBEquation> equation)
{
  if (!equation) return -1;
  m_equations.push_back(std::move(equation));
  return GetNbOfEquations() - 1;
}

HRESULT ZALWBModel::FillFactory(ZALWBFactory* factory, ZALCDSArray<int>& equationIds, int firstEquation,
                                ZALCDSArray<ZALWBExpression*>* variableNodes,
                                ZALCDSArray<ZALWBVariable*>* variables)
{
  if (!factory || firstEquation < 0 || firstEquation > GetNbOfEquations()) return E_FAIL;

  equationIds.Clear();
  if (variableNodes) variableNodes->Clear();
  if (variables) variables->Clear();
  const auto first = m_equations.begin() + firstEquation;
  for (auto it = first; it != m_equations.end(); ++it) {
    std::vector<ZALWBExpression*> nodes;
    (*it)->CollectVariableNodes(nodes);
    equationIds.Append(factory->AddEquation(std::move(*it)));
    for (ZALWBExpression* node : nodes) {
      if (variableNodes) variableNodes->Append(node);
      if (variables && std::find(variables->begin(), variables->end(), node->GetVariable()) == variables->end())
        variables->Append(node->GetVariable());
    }
  }
  m_equations.erase(first, m_equations.end());
  return S_OK;
}
