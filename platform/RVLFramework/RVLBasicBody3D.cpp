#include "RVLBasicBody3D.h"

RVL_DEFINE_CLASS_INFO(RVLBasicBody3D, RVLBasicEntity3D)

namespace {
// The body's constructor is protected; this is its one maker.
class ConstructibleBody3D final : public RVLBasicBody3D {};
}  // namespace

RVLSharedHandle<RVLBasicBody3D> RVLBasicBody3D::create(const std::wstring& name)
{
  RVLSharedHandle<RVLBasicBody3D> body(new ConstructibleBody3D());
  body->setEntityName(name);
  return body;
}

void RVLBasicBody3D::destroy(RVLSharedHandle<RVLBasicBody3D>& body)
{
  if (body) body->orphanObject();
  body.Release();
}

HRESULT RVLBasicBody3D::addBody(const RVLSharedHandle<RVLBasicBody3D>& child)
{
  if (!child || child.get() == this) return E_FAIL;
  const RVLSharedHandle<RVLBasicEntity> asEntity(child);
  if (hasLogicalChild(asEntity)) return S_FALSE;
  return addLogicalChild(asEntity) ? S_OK : E_FAIL;
}

HRESULT RVLBasicBody3D::GetPosition(ZALMathTransformation& position) const
{
  position = m_position;
  return S_OK;
}

HRESULT RVLBasicBody3D::SetPosition(const ZALMathTransformation& position)
{
  if (!position.GetMatrix().IsInvertible()) return E_FAIL;
  m_position = position;
  return S_OK;
}
