#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"
#include "ZALMPPhysicalQuantity.h"
#include "ZALMPVariableType.h"

#include <string_view>

class ZALIMPVariableLoader;
class ZALMPConstraint;
class ZALMPFieldReader;
class ZALMPFieldWriter;

/// A scalar the solver works on: a value with optional lower and upper limits,
/// a restitution coefficient at each limit, a starting value, a physical
/// quantity, a type, and the constraints that use it.
///
/// Each number has a flag that tells whether it was set; the getters never look
/// at the flags (a number never set reads 0). Setting the value or a limit tells
/// the variable loader, when there is one.
///
/// Orphaned, a variable asks each linked constraint to drop it, stopping at the
/// first failure (a constraint no longer alive counts as one), then empties
/// its constraint list.
///
/// A copy keeps the value, limits, restitution coefficients with their flags, the quantity and the type; the
/// starting value and the constraint list start empty.
class ZALMP_EXPORT ZALMPVariable : public ZALMPEntity {
  ZALMP_DECLARE_KIND(ZALMPVariable, ZALMPEntity);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  /// Writes element "Variable" under `parent`: from R2017.0 on, one group per
  /// number with its flag ("Value", "MaxValue", "MinValue",
  /// "MaxLimitRestitution", "MinLimitRestitution"), then "PhysicalQuantity" and
  /// "Type" by name; before, attributes "value", "minvalue", "maxvalue" and the
  /// quantity (and from R2016.0 on the type) by number. Then the linked
  /// constraints ("Constraints"). The starting value is never written.
  /// S_OK. E_FAIL (reported): no `parent`, the element cannot be added, or (from
  /// R2017.0 on) one of the numbers, the quantity or the type was not written
  /// completely; the rest is still written.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next element "Variable" of `parent`. The value and limits go
  /// through SetValue / SetMinValue / SetMaxValue (the loader is told), except in
  /// the layout before R2017.0, where they are stored as they are with their
  /// flags untouched. A flag read as false leaves that number as it was.
  /// Constraints resolve through `ids`; unknown ids are skipped.
  /// S_OK. E_FAIL (reported): no `parent` or no "Variable", or (from R2017.0 on)
  /// a missing group, flag, number, quantity or type, or a failed setter;
  /// whatever could be read has been applied. A reference to an entity that is
  /// not a constraint raises RVLEInvalidCast.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

  /// The loader narrowed to a variable loader; null when there is none or it is
  /// of another kind. S_OK. E_FAIL (reported) when the loader cannot be had.
  ZALMP_DECLARE_LOADER(ZALIMPVariableLoader, ZALMPEntity);

  /// Adds `constraint` to the constraints that use this variable; the constraint
  /// is not told. S_OK: linked. S_FALSE: already linked. E_FAIL: an empty handle (reported).
  virtual HRESULT LinkToConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint);
  /// S_OK and the `index`-th linked constraint; E_FAIL and a null handle outside the list.
  virtual HRESULT GetLinkedConstraint(int index, RVLSharedHandle<ZALMPConstraint>& constraint) const;
  virtual int GetLinkedConstraintCount() const;
  /// S_OK: unlinked, the others keep their order. S_FALSE: not linked.
  /// E_FAIL: an empty handle (reported).
  HRESULT RemoveConstraint(const RVLSharedHandle<ZALMPConstraint>& constraint);

  /// Sets the value and marks it set, then tells the loader: its ValueChanged
  /// result, or S_OK without a loader. E_FAIL (reported) when the loader cannot
  /// be had; the value stays set.
  virtual HRESULT SetValue(double value);
  virtual HRESULT GetValue(double& value) const;
  virtual bool HasValue() const;
  /// Pushes a new value without marking it set and without telling the loader:
  /// posts the update event, and for a Controlled variable also the update event
  /// of each linked constraint. S_OK.
  virtual HRESULT UpdateValue(double value);

  /// As SetValue, for the lower limit (MinValueChanged).
  virtual HRESULT SetMinValue(double value);
  virtual HRESULT GetMinValue(double& value) const;
  virtual bool HasMinValue() const;
  /// As SetValue, for the upper limit (MaxValueChanged).
  virtual HRESULT SetMaxValue(double value);
  virtual HRESULT GetMaxValue(double& value) const;
  virtual bool HasMaxValue() const;

  /// Stores any quantity, NoPhysicalQuantity included; S_OK.
  virtual HRESULT SetPhysicalQuantity(ZALMPPhysicalQuantity::Enum quantity);
  virtual ZALMPPhysicalQuantity::Enum GetPhysicalQuantity() const;
  /// Stores any type; S_OK.
  virtual HRESULT SetType(ZALMPVariableType::Enum type);
  virtual ZALMPVariableType::Enum GetType() const;

  /// The initial value of a run; neither written to the element tree nor copied. S_OK.
  virtual HRESULT SetStartingValue(double value);
  virtual HRESULT GetStartingValue(double& value) const;
  virtual bool HasStartingValue() const;

  /// The restitution coefficients applied when a limit is hit; set without
  /// telling the loader. S_OK.
  HRESULT SetRestitutionOnMinLimit(double value);
  HRESULT GetRestitutionOnMinLimit(double& value) const;
  bool HasRestitutionOnMinLimit() const;
  HRESULT SetRestitutionOnMaxLimit(double value);
  HRESULT GetRestitutionOnMaxLimit(double& value) const;
  bool HasRestitutionOnMaxLimit() const;

private:
  /// A number that may or may not have been set; every number of the variable
  /// is one, so they all set and read the same way.
  struct Optional {
    double number = 0.0;
    bool isSet = false;
    /// Stores `value` and marks it set. S_OK.
    HRESULT Set(double value)
    {
      number = value;
      isSet = true;
      return S_OK;
    }
    /// The number, set or not. S_OK.
    HRESULT Get(double& value) const
    {
      value = number;
      return S_OK;
    }
  };

  /// Sets `field`, then tells the loader through `changed`: the value and the
  /// limits share this.
  HRESULT SetAndTell(Optional& field, HRESULT (ZALIMPVariableLoader::*changed)(double), double value);
  HRESULT WriteGroupedLayout(const ZALMPFieldWriter& out) const;
  void WriteOlderLayout(const ZALMPFieldWriter& out) const;
  HRESULT ReadGroupedLayout(const ZALMPFieldReader& in);
  void ReadOlderLayout(const ZALMPFieldReader& in);

  Optional m_value;
  Optional m_minValue;
  Optional m_maxValue;
  Optional m_restitutionOnMinLimit;
  Optional m_restitutionOnMaxLimit;
  Optional m_startingValue;
  ZALMPPhysicalQuantity::Enum m_physicalQuantity = ZALMPPhysicalQuantity::NoPhysicalQuantity;
  ZALMPVariableType::Enum m_type = ZALMPVariableType::Free;
  ZALMPLinkList<ZALMPConstraint> m_constraints;
};
