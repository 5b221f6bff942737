#pragma once
#include "ZALMPExport.h"
#include "ZALMPProperty.h"
#include "ZALMPValue.h"

/// A value that is a truth value, held in one byte (non-zero is true).
///
/// A copy keeps the quantity and the truth value.
class ZALMP_EXPORT ZALMPBoolean : public ZALMPValue {
  ZALMP_DECLARE_KIND(ZALMPBoolean, ZALMPValue);
  ZALMP_DECLARE_FIELDS();

public:
  /// Writes element "Boolean" under `parent`: the value part, then "Value",
  /// the text "TRUE" or "FALSE". S_OK. E_FAIL (reported): no `parent`, or an
  /// element cannot be added.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next element "Boolean" of `parent`; the value is true exactly
  /// when "Value" is the text "TRUE". S_OK. E_FAIL (reported): no `parent`, no
  /// "Boolean", a failed value part, or no readable "Value".
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

  /// The stored byte, non-zero counting as true (0 on a new boolean; 1 or 0
  /// after reading): plain store and copy, S_OK.
  ZALMP_FIELD(unsigned char, Value, m_value, 0);
};
