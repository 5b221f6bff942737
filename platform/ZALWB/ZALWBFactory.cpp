#include "ZALWBFactory.h"

#include "ZALWBEquation.h"
#include "ZALWBVariable.h"

ZALWBFactory::ZALWBFactory() = default;
ZALWBFactory::~ZALWBFactory() = default;

ZALWBEquation* ZALWBFactory::GetEquationById(int id) const
{
  if (id < 0 || id >= GetNbOfEquations()) return nullptr;
  return m_equations[static_cast<std::size_t>(id)].get();
}

int ZALWBFactory::AddEquation(std::unique_ptr<ZALWBEquation> equation)
{
  if (!equation) return -1;
  std::vector<ZALWBExpression*> nodes;
  equation->CollectVariableNodes(nodes);
  for (ZALWBExpression* node : nodes) {
    const char* name = node->GetName().c_str();
    ZALWBVariable* variable = GetVariable(name);
    if (!variable) variable = CreateVariable(name);
    node->BindVariable(variable);
  }
  m_equations.push_back(std::move(equation));
  return GetNbOfEquations() - 1;
}

ZALWBVariable* ZALWBFactory::GetVariableById(int id) const
{
  if (id < 0 || id >= GetNbOfVariables()) return nullptr;
  return m_variables[static_cast<std::size_t>(id)].get();
}

ZALWBVariable* ZALWBFactory::GetVariable(const char* name) const
{
  if (!name) return nullptr;
  for (const auto& variable : m_variables)
    if (variable->GetName() == name) return variable.get();
  return nullptr;
}

ZALWBVariable* ZALWBFactory::CreateVariable(const char* name)
{
  if (!name || GetVariable(name)) return nullptr;
  m_variables.push_back(std::make_unique<ZALWBVariable>(name));
  return m_variables.back().get();
}
