#pragma once
#include "ZALMPConnector.h"
#include "ZALMPExport.h"

#include <array>

class ZALIMPBushingLoader;
class ZALMPValue;

/// A six-component elastic link between its two bodies: a stiffness, a
/// damping and a pre-load force per component, each a value entity. The
/// components are indexed 0 to 5: Tx, Ty, Tz, Rx, Ry, Rz.
///
/// A copy holds no values; the world's copy links them.
class ZALMP_EXPORT ZALMPBushing : public ZALMPConnector {
  ZALMP_DECLARE_KIND(ZALMPBushing, ZALMPConnector);
  ZALMP_DECLARE_LINKS();

public:
  static constexpr int kComponentCount = 6;
  using Values = std::array<RVLSharedHandle<ZALMPValue>, kComponentCount>;

  ZALMP_DECLARE_LOADER(ZALIMPBushingLoader, ZALMPConnector);

  /// S_OK: `value` held for `component`. E_FAIL (reported): a component
  /// outside 0 to 5 or an empty handle; unchanged.
  HRESULT SetStiffness(int component, const RVLSharedHandle<ZALMPValue>& value);
  HRESULT SetDamping(int component, const RVLSharedHandle<ZALMPValue>& value);
  HRESULT SetPreLoadForce(int component, const RVLSharedHandle<ZALMPValue>& value);
  /// S_OK and the value held for `component` (null when none is). E_FAIL
  /// (reported) and a null handle for a component outside 0 to 5.
  HRESULT GetStiffness(int component, RVLSharedHandle<ZALMPValue>& value) const;
  HRESULT GetDamping(int component, RVLSharedHandle<ZALMPValue>& value) const;
  HRESULT GetPreLoadForce(int component, RVLSharedHandle<ZALMPValue>& value) const;

  /// Element "Bushing": the connector part, then "StiffnessTx" ... "StiffnessRz",
  /// "DampingTx" ... "DampingRz" and "PreForceTx" ... "PreForceRz", each array
  /// up to its first missing value. A pre-load force is written as it is when
  /// it is an expression; any other is written as a new constant "EmptyForce"
  /// of no world. S_OK; failures are reported only.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "Bushing" child of `parent`; an array is set only when all
  /// six of its references resolve. S_OK; E_FAIL (reported) when there is no
  /// "Bushing" or its connector part fails.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  Values m_stiffness;
  Values m_damping;
  Values m_preLoadForce;
};
