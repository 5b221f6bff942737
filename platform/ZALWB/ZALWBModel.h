#pragma once
#include "ZALCDSArray.h"

#include <ZALStatus.h>

#include <memory>
#include <vector>

class ZALWBEquation;
class ZALWBExpression;
class ZALWBFactory;
class ZALWBVariable;

/// The equations a parser has read, held until they are moved into a factory.
class ZALWBModel {
public:
  ZALWBModel();
  ZALWBModel(const ZALWBModel&) = delete;
  ZALWBModel& operator=(const ZALWBModel&) = delete;
  ~ZALWBModel();

  int GetNbOfEquations() const { return static_cast<int>(m_equations.size()); }
  /// The equation at `index` (owned by the model); null when there is none.
  const ZALWBEquation* GetEquation(int index) const;
  /// Takes `equation` and returns its index in the model; -1 for a null equation.
  int AddEquation(std::unique_ptr<ZALWBEquation> equation);

  /// Moves the equations from index `firstEquation` on into `factory`, in order, binding
  /// their variables to the factory's variables of the same names (created when missing).
  /// On success `equationIds` holds the factory ids of the moved equations; when given,
  /// `variableNodes` receives every variable node of the moved equations in reading order
  /// and `variables` the distinct factory variables they use in order of first use.
  /// S_OK, also when nothing was left to move. E_FAIL for a null factory or a
  /// `firstEquation` outside [0, GetNbOfEquations()]; then nothing moves and no output changes.
  HRESULT FillFactory(ZALWBFactory* factory, ZALCDSArray<int>& equationIds, int firstEquation,
                      ZALCDSArray<ZALWBExpression*>* variableNodes, ZALCDSArray<ZALWBVariable*>* variables);

private:
  std::vector<std::unique_ptr<ZALWBEquation>> m_equations;
};
