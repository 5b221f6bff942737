#pragma once
#include "ZALMPAttribute.h"
#include "ZALMPExport.h"

class ZALMPSupport;

/// An attribute whose children are parameters, and which may refer to supports.
class ZALMP_EXPORT ZALMPParameter : public ZALMPAttribute {
  ZALMP_DECLARE_KIND(ZALMPParameter, ZALMPAttribute);
  ZALMP_DECLARE_LINKS();

public:
  /// S_OK: appended. S_FALSE: already there. E_FAIL: an empty handle (reported).
  HRESULT AddSupport(const RVLSharedHandle<ZALMPSupport>& support);
  /// S_OK and the support at `index`; E_FAIL and a null handle outside [0, count).
  HRESULT GetSupport(int index, RVLSharedHandle<ZALMPSupport>& support) const;
  int GetSupportsCount() const;

  /// Element "Parameter": the attribute part ("Values", "ChildrenParameters"),
  /// then "Supports". S_OK; E_FAIL (reported) when "Parameter" cannot be
  /// added or its common part fails.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "Parameter" child of `parent`. S_OK; E_FAIL (reported)
  /// when there is none or its common part fails.
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

private:
  ZALMPLinkList<ZALMPSupport> m_supports;
};
