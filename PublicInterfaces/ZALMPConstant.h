#pragma once
#include "ZALMPExport.h"
#include "ZALMPProperty.h"
#include "ZALMPValue.h"

class ZALIMPConstantLoader;

/// A value that is one number.
///
/// A copy keeps the quantity and the number.
class ZALMP_EXPORT ZALMPConstant : public ZALMPValue {
  ZALMP_DECLARE_KIND(ZALMPConstant, ZALMPValue);
  ZALMP_DECLARE_FIELDS();

public:
  /// Writes element "Constant" under `parent`: the value part, then "Value"
  /// (double). S_OK. E_FAIL (reported): no `parent`, or an element cannot be added.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next element "Constant" of `parent`. S_OK. E_FAIL (reported):
  /// no `parent`, no "Constant", a failed value part, or no readable "Value".
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

  /// The loader narrowed to a constant loader; null when there is none or it is
  /// of another kind. S_OK. E_FAIL (reported) when the loader cannot be had.
  ZALMP_DECLARE_LOADER(ZALIMPConstantLoader, ZALMPValue);

  /// The number (0 on a new constant): plain store and copy, S_OK; the loader
  /// is not told.
  ZALMP_FIELD(double, Value, m_value, 0.0);
};
