#pragma once
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"
#include "ZALMPValue.h"

#include <map>

class ZALIMPExpressionLoader;
class ZALMPFieldReader;
class ZALMPVariable;
class ZALWBEquation;

/// A value that is an equation of the equation library, with the variables
/// the equation uses and a mapping between the equation's variable slots and
/// those variables. The equation belongs to the equation factory that made it
/// (the world's, when it was read from a tree); the expression only points at it.
/// Orphaned, it empties its list of variables.
///
/// A copy keeps the quantity, the equation pointer (still the source's factory's) and the mapping; the copy
/// starts without linked variables.
class ZALMP_EXPORT ZALMPExpression : public ZALMPValue {
  ZALMP_DECLARE_KIND(ZALMPExpression, ZALMPValue);
  ZALMP_DECLARE_LINKS();

public:
  /// Writes element "Expression" under `parent`: the value part, "Value" (the
  /// equation as text), "Variables" (references to the linked variables) and
  /// "VariableMapping" (one int child "Var<key>" per entry, in key order).
  /// S_OK. E_FAIL (reported): no `parent` or no own element, no equation or one
  /// that cannot be printed, or no "VariableMapping"; the rest is still written.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next element "Expression" of `parent`. The equation is parsed
  /// into the equation factory of the expression's world, so the expression
  /// must be in its world already. Linked variables resolve through `ids`
  /// (unknown ids are skipped) and the mapping is replaced by the stored one.
  /// S_OK. E_FAIL (reported): no `parent` or no "Expression", a failed value
  /// part, or no equation could be read (variables and mapping are still read).
  /// A reference to an entity that is not a variable raises RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

  /// The loader narrowed to an expression loader; null when there is none or it
  /// is of another kind. S_OK. E_FAIL (reported) when the loader cannot be had.
  ZALMP_DECLARE_LOADER(ZALIMPExpressionLoader, ZALMPValue);

  /// Points at `equation` (not owned). S_OK. E_FAIL (reported): null; nothing changes.
  virtual HRESULT SetValue(ZALWBEquation* equation);
  /// S_OK and the equation. E_FAIL (not reported): none held; `equation` is null.
  virtual HRESULT GetValue(ZALWBEquation*& equation) const;

  /// Appends `variable` to the linked variables; its index n also becomes the
  /// mapping entry n -> n. S_OK: linked. S_FALSE: already linked, nothing
  /// changes. E_FAIL: an empty handle (reported).
  virtual HRESULT LinkToVariable(const RVLSharedHandle<ZALMPVariable>& variable);
  /// S_OK and the `index`-th linked variable; E_FAIL and a null handle outside the list.
  virtual HRESULT GetLinkedVariable(int index, RVLSharedHandle<ZALMPVariable>& variable) const;
  virtual int GetLinkedVariableCount() const;

  /// Replaces the whole mapping (the expression's own mapping leaves it as it is); S_OK.
  virtual HRESULT SetVariableMapping(const std::map<int, int>& mapping);
  /// Copies the mapping out; S_OK.
  virtual HRESULT GetVariableMapping(std::map<int, int>& mapping) const;

private:
  /// Appends `variable` and leaves the mapping as it is: how a copy links the
  /// copies of its source's variables.
  HRESULT AppendVariable(const RVLSharedHandle<ZALMPVariable>& variable);
  HRESULT ReadEquation(const ZALMPFieldReader& in);
  void ReadVariableMapping(const ZALMPFieldReader& in);

  ZALWBEquation* m_equation = nullptr;
  ZALMPLinkList<ZALMPVariable> m_variables;
  std::map<int, int> m_mapping;
};
