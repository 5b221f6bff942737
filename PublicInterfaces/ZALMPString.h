#pragma once
#include "ZALMPExport.h"
#include "ZALMPValue.h"

#include <ZALUnicodeString.h>

/// A value that is a text.
///
/// A copy keeps the quantity and the text.
class ZALMP_EXPORT ZALMPString : public ZALMPValue {
  ZALMP_DECLARE_KIND(ZALMPString, ZALMPValue);

public:
  /// Writes element "String" under `parent`: the value part, then "Value"
  /// (the text). S_OK. E_FAIL (reported): no `parent`, or an element cannot be added.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next element "String" of `parent`. S_OK. E_FAIL (reported): no
  /// `parent`, no "String", a failed value part, or no readable "Value".
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

  /// Stores the text; S_OK.
  virtual HRESULT SetValue(ZALUnicodeString value);
  /// The text (empty on a new string); S_OK.
  virtual HRESULT GetValue(ZALUnicodeString& value) const;

private:
  ZALUnicodeString m_value;
};
