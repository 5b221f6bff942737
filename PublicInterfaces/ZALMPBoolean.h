#pragma once
#include "ZALMPExport.h"
#include "ZALMPValue.h"

/// A value that is a truth value, held in one byte (non-zero is true).
class ZALMP_EXPORT ZALMPBoolean : public ZALMPValue {
  ZALMP_DECLARE_CLASS(ZALMPBoolean, ZALMPValue);
  ZALMP_DECLARE_CONCRETE(ZALMPBoolean);

public:
  ~ZALMPBoolean() override;

  /// Writes element "Boolean" under `parent`: the value part, then "Value",
  /// the text "TRUE" or "FALSE". S_OK. E_FAIL (reported): no `parent`, or an
  /// element cannot be added.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next element "Boolean" of `parent`; the value is true exactly
  /// when "Value" is the text "TRUE". S_OK. E_FAIL (reported): no `parent`, no
  /// "Boolean", a failed value part, or no readable "Value".
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

  /// Stores the byte (non-zero counts as true); S_OK.
  virtual HRESULT SetValue(unsigned char value);
  /// The stored byte (0 on a new boolean; 1 or 0 after reading); S_OK.
  virtual HRESULT GetValue(unsigned char& value) const;

protected:
  ZALMPBoolean();
  /// Copies the quantity and the truth value.
  ZALMPBoolean(const ZALMPBoolean& source);

private:
  unsigned char m_value = 0;
};
