#pragma once
#include "ZALMPEntity.h"
#include "ZALMPExport.h"
#include "ZALMPLinkList.h"

#include <RVLSharedHandle.h>
#include <ZALStatus.h>

#include <string>

class ZALIMPConnectorLoader;
class ZALMPBody;
class ZALMPGeometry;
class ZALMPValue;
class ZALMPVariable;

/// The base of springs, bushings and force elements: what acts between a
/// first and a second body, with the geometries and variables it is linked
/// to. Links are made on each side by the caller (SetFirstBody here,
/// ZALMPBody::LinkToConnector there). Orphaned, a connector asks each of its
/// bodies to drop it and lets go of them; it keeps its geometries, variables
/// and values. A copy starts without links.
class ZALMP_EXPORT ZALMPConnector : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPConnector, ZALMPEntity);
  ZALMP_DECLARE_LINKS();

public:
  ~ZALMPConnector() override;

  /// The loader narrowed to a connector loader; null when there is none or it
  /// is of another kind. S_OK. E_FAIL (reported) when the loader cannot be had.
  ZALMP_DECLARE_LOADER(ZALIMPConnectorLoader, ZALMPEntity);

  /// S_OK: `body` is held (the two bodies may be the same). E_FAIL: an empty
  /// handle (reported); unchanged.
  virtual HRESULT SetFirstBody(const RVLSharedHandle<ZALMPBody>& body);
  /// S_OK and the body; E_FAIL and a null handle when there is none.
  virtual HRESULT GetFirstBody(RVLSharedHandle<ZALMPBody>& body) const;
  virtual HRESULT SetSecondBody(const RVLSharedHandle<ZALMPBody>& body);
  virtual HRESULT GetSecondBody(RVLSharedHandle<ZALMPBody>& body) const;

  /// S_OK: appended. S_FALSE: already linked. E_FAIL: an empty handle (reported).
  virtual HRESULT LinkToGeometry(const RVLSharedHandle<ZALMPGeometry>& geometry);
  /// S_OK and the geometry at `index`; E_FAIL and a null handle outside [0, count).
  virtual HRESULT GetLinkedGeometry(int index, RVLSharedHandle<ZALMPGeometry>& geometry) const;
  virtual int GetLinkedGeometryCount() const;
  /// As the geometries.
  virtual HRESULT LinkToVariable(const RVLSharedHandle<ZALMPVariable>& variable);
  virtual HRESULT GetLinkedVariable(int index, RVLSharedHandle<ZALMPVariable>& variable) const;
  virtual int GetLinkedVariableCount() const;

  /// Clears the first body when it is `body`, else the second when it is.
  /// S_OK: one cleared. S_FALSE: neither. E_FAIL: an empty handle (reported).
  /// Virtual, so that a host's own connector learns that a body leaves it.
  virtual HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& body);
  /// S_OK: unlinked. S_FALSE: not linked. E_FAIL: an empty handle (reported).
  HRESULT RemoveGeometry(const RVLSharedHandle<ZALMPGeometry>& geometry);
  HRESULT RemoveVariable(const RVLSharedHandle<ZALMPVariable>& variable);

  /// The connector part into `element` (the kind's own element): the common
  /// part, then "FirstBody", "SecondBody", "Geometries" and "Variables" as
  /// references. S_OK; E_FAIL (reported) without an element.
  HRESULT Serialize(ZALMPSerializer* element) const override;
  /// Reads the connector part back; unknown ids are skipped, a referent of the
  /// wrong kind raises RVLEInvalidCast. S_OK; E_FAIL (reported) without an element.
  HRESULT Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids) override;

protected:
  ZALMPConnector();
  ZALMPConnector(const ZALMPConnector& source);

  /// The constant "EmptyForce" of no world that stands in for a force the
  /// element must name but the connector does not hold. Its identifier is the
  /// connector's followed by "-EmptyForce" and `slot`, so that saving twice
  /// writes the same document.
  RVLSharedHandle<ZALMPValue> EmptyForce(const std::wstring& slot) const;

private:
  RVLSharedHandle<ZALMPBody> m_firstBody;
  RVLSharedHandle<ZALMPBody> m_secondBody;
  ZALMPLinkList<ZALMPGeometry> m_geometries;
  ZALMPLinkList<ZALMPVariable> m_variables;
};
