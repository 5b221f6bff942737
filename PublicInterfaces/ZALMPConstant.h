#pragma once
#include "ZALMPExport.h"
#include "ZALMPValue.h"

class ZALIMPConstantLoader;

/// A value that is one number.
class ZALMP_EXPORT ZALMPConstant : public ZALMPValue {
  ZALMP_DECLARE_CLASS(ZALMPConstant, ZALMPValue);
  ZALMP_DECLARE_CONCRETE(ZALMPConstant);

public:
  ~ZALMPConstant() override;

  /// Writes element "Constant" under `parent`: the value part, then "Value"
  /// (double). S_OK. E_FAIL (reported): no `parent`, or an element cannot be added.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next element "Constant" of `parent`. S_OK. E_FAIL (reported):
  /// no `parent`, no "Constant", a failed value part, or no readable "Value".
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

  /// The loader narrowed to a constant loader; null when there is none or it is
  /// of another kind. S_OK. E_FAIL (reported) when the loader cannot be had.
  virtual HRESULT GetLoader(ZALIMPConstantLoader*& loader) const;
  using ZALMPValue::GetLoader;

  /// Stores the number; S_OK. The loader is not told.
  virtual HRESULT SetValue(double value);
  /// The number (0 on a new constant); S_OK.
  virtual HRESULT GetValue(double& value) const;

protected:
  ZALMPConstant();
  /// Copies the quantity and the number.
  ZALMPConstant(const ZALMPConstant& source);

private:
  double m_value = 0.0;
};
