#pragma once
#include "ZALMPEquation.h"
#include "ZALMPExport.h"

#include <ZALStatus.h>

#include <vector>

/// A linear relation between the constraint's linked variables: term i
/// multiplies linked variable i (in linking order), and the constant term, when
/// there is one, is added. There is no count of terms: it is the first index
/// for which GetLinearTerm answers S_FALSE.
///
/// It writes "LinearEquation" holding the constraint's common part,
/// "ConstantTerm" ("HasConstantTerm" and, when set, "ConstantTermValue") and
/// "LinearTermDataContainer" with one "LinearTerm" ("LinearTermIndex" from 0,
/// "LinearTermValue") per term. A copy has no factory and no terms, and keeps
/// the constant term and whether it was set.
class ZALMP_EXPORT ZALMPLinearEquation : public ZALMPEquation {
  ZALMP_DECLARE_KIND(ZALMPLinearEquation, ZALMPEquation);
  ZALMP_DECLARE_FIELDS();

public:
  /// Writes the layout above. S_OK. E_FAIL (reported): no element, an element
  /// that cannot be added, a failed common part, a constant term that cannot be
  /// written, or no term written last - so an equation without terms writes
  /// everything and answers E_FAIL. A single term that cannot be written is
  /// reported and changes nothing else.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the layout above, applying the constant term and appending the terms
  /// to those already held. The n-th child of "LinearTermDataContainer" (from
  /// 0, whatever its id) is a term only when its "LinearTermIndex" is n; other
  /// children are reported and skipped, and a term without value reads as 0.
  /// S_OK. E_FAIL (reported): no element, a failed common part, no
  /// "LinearTermDataContainer" (the constant term read stays), or a missing
  /// "ConstantTerm", "HasConstantTerm" or "ConstantTermValue" (the terms are
  /// still read).
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// Appends term `coefficient`; S_OK.
  virtual HRESULT AddLinearTerm(double coefficient);
  /// S_OK: term `index` becomes `coefficient`. S_FALSE: no such term; nothing changes.
  virtual HRESULT SetLinearTerm(int index, double coefficient);
  /// S_OK and term `index`. S_FALSE and 0 when there is no such term.
  virtual HRESULT GetLinearTerm(int index, double& coefficient) const;
  /// True once a constant term was set.
  virtual bool HasConstantTerm() const;
  /// Sets the constant term; S_OK.
  virtual HRESULT SetConstantTerm(double constant);
  /// The constant term, 0 when none was set; S_OK.
  virtual HRESULT GetConstantTerm(double& constant) const;

private:
  std::vector<double> m_terms;
  double m_constant = 0.0;
  bool m_hasConstant = false;
};
