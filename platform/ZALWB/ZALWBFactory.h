#pragma once
#include <ZALStatus.h>

#include <memory>
#include <vector>

class ZALWBEquation;
class ZALWBVariable;

/// Owns a set of equations and the variables they use. Equation ids and variable
/// ids are their positions, from 0, in the order they were added; they never change.
class ZALWBFactory {
public:
  ZALWBFactory();
  ZALWBFactory(const ZALWBFactory&) = delete;
  ZALWBFactory& operator=(const ZALWBFactory&) = delete;
  ~ZALWBFactory();

  int GetNbOfEquations() const { return static_cast<int>(m_equations.size()); }
  /// The equation of that id (still owned by the factory); null when there is none.
  ZALWBEquation* GetEquationById(int id) const;
  /// Takes `equation`, binds each of its variables to the factory's variable of the same
  /// name (created when missing) and returns the equation's id; -1 for a null equation.
  int AddEquation(std::unique_ptr<ZALWBEquation> equation);

  int GetNbOfVariables() const { return static_cast<int>(m_variables.size()); }
  /// The variable of that id (owned by the factory); null when there is none.
  ZALWBVariable* GetVariableById(int id) const;
  /// The first variable named `name`; null when there is none or `name` is null.
  ZALWBVariable* GetVariable(const char* name) const;
  /// A new variable named `name`, owned by the factory; null when `name` is null or
  /// a variable of that name exists already.
  ZALWBVariable* CreateVariable(const char* name);

private:
  std::vector<std::unique_ptr<ZALWBEquation>> m_equations;
  std::vector<std::unique_ptr<ZALWBVariable>> m_variables;
};
