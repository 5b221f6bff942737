#pragma once
#include "ZALMPConnector.h"
#include "ZALMPExport.h"
#include "ZALMPProperty.h"

#include <string>

class ZALIMPForceElementLoader;
class ZALMPJoint;

/// A force defined outside the library: the class that evaluates it and the
/// parameter stream it reads, both texts the library only keeps, and the joint
/// it may act along.
///
/// A copy keeps the class and the stream; it has no joint.
class ZALMP_EXPORT ZALMPForceElement : public ZALMPConnector {
  ZALMP_DECLARE_KIND(ZALMPForceElement, ZALMPConnector);
  ZALMP_DECLARE_LINKS();
  ZALMP_DECLARE_FIELDS();

public:
  ZALMP_DECLARE_LOADER(ZALIMPForceElementLoader, ZALMPConnector);

  /// Holds `joint` (an empty handle clears it). S_OK.
  HRESULT SetJoint(const RVLSharedHandle<ZALMPJoint>& joint);
  /// S_OK and the joint; E_FAIL and a null handle when there is none.
  HRESULT GetJoint(RVLSharedHandle<ZALMPJoint>& joint) const;
  /// S_OK: `joint` was held and is dropped. S_FALSE: another joint. E_FAIL: an
  /// empty handle (reported).
  HRESULT RemoveJoint(const RVLSharedHandle<ZALMPJoint>& joint);

  ZALMP_FIELD(std::wstring, Class, m_class);
  ZALMP_FIELD(std::wstring, Stream, m_stream);

  /// Element "ForceElement": the connector part, attributes "class" and
  /// "stream", then "Joint" (a reference) when a joint is held. S_OK; E_FAIL
  /// (reported) when "ForceElement" cannot be added.
  HRESULT Serialize(ZALMPSerializer* parent) const override;
  /// Reads the next "ForceElement" child of `parent`; an unknown joint leaves
  /// none. S_OK; E_FAIL (reported): no "ForceElement", or no "class" or "stream".
  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override;

protected:
  /// Drops the joint as well.
  HRESULT ClearContainers() override;

private:
  RVLSharedHandle<ZALMPJoint> m_joint;
};
