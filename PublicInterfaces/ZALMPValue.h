#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"
#include "ZALMPPhysicalQuantity.h"
#include "ZALMPSourceLocation.h"

#include <string>
#include <string_view>

class ZALIMPValueLoader;

/// The base of the model's values: constants, expressions, booleans and
/// strings, which value-backed properties hold. A value only knows its
/// physical quantity, which may be left unset.
class ZALMP_EXPORT ZALMPValue : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPValue, ZALMPEntity);
  ZALMP_DECLARE_FIELDS();

public:
  ~ZALMPValue() override;

  /// Writes the common part and then the quantity into the kind's own
  /// `element`: child "PhysicalQuantity", by number before R2018.0, by name
  /// from R2018.0 on. S_OK. S_FALSE: the quantity is not set, nothing of it is
  /// written. E_FAIL (reported): no element, or the quantity cannot be added.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the common part and then the quantity from the kind's own `element`.
  /// S_OK. S_FALSE: from R2018.0 on, no "PhysicalQuantity" (the quantity stays
  /// unset). E_FAIL (reported): no element; before R2018.0 no quantity; a
  /// quantity that is 0 or a name that is not a quantity.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

  /// The loader narrowed to a value loader; null when there is none or it is of
  /// another kind. S_OK. E_FAIL (reported) when the loader cannot be had.
  ZALMP_DECLARE_LOADER(ZALIMPValueLoader, ZALMPEntity);

  /// S_OK: stored. E_FAIL (reported): NoPhysicalQuantity, which would unset it; nothing changes.
  virtual HRESULT SetPhysicalQuantity(ZALMPPhysicalQuantity::Enum quantity);
  /// S_OK and the quantity. E_FAIL (not reported) when it is not set; `quantity`
  /// is then NoPhysicalQuantity.
  virtual HRESULT GetPhysicalQuantity(ZALMPPhysicalQuantity::Enum& quantity) const;

protected:
  ZALMPValue();
  /// Copies the physical quantity; the common part starts afresh.
  ZALMPValue(const ZALMPValue& source);

private:
  ZALMPPhysicalQuantity::Enum m_physicalQuantity = ZALMPPhysicalQuantity::NoPhysicalQuantity;
};
