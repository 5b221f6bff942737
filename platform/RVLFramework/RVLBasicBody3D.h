#pragma once
#include "RVLBasicEntity3D.h"
#include "RVLSharedHandle.h"

#include <ZALMathTransformation.h>
#include <ZALStatus.h>

#include <string>

/// A rigid body of a host world: a placement in space and sub-bodies, which
/// are its logical children.
class RVLBasicBody3D : public RVLBasicEntity3D {
  RVL_DECLARE_CLASS_INFO(RVLBasicBody3D)
public:
  /// A new body named `name`, placed at the identity, not floating.
  static RVLSharedHandle<RVLBasicBody3D> create(const std::wstring& name);
  /// Orphans the body (it leaves its parent and lets go of its sub-bodies) and nulls the handle.
  static void destroy(RVLSharedHandle<RVLBasicBody3D>& body);

  /// Makes `child` a sub-body of this body, taking it from its former parent.
  /// S_OK: added. S_FALSE: already a sub-body of this body.
  /// E_FAIL: a null child or this body itself.
  HRESULT addBody(const RVLSharedHandle<RVLBasicBody3D>& child);

  /// The placement; always S_OK.
  HRESULT GetPosition(ZALMathTransformation& position) const;
  /// S_OK: placed. E_FAIL: the linear part is singular, which places nothing;
  /// the placement is unchanged.
  HRESULT SetPosition(const ZALMathTransformation& position);

protected:
  RVLBasicBody3D() = default;

private:
  ZALMathTransformation m_position;
};
