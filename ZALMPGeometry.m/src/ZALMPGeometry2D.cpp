#define ZALMP_SOURCE_FILE "ZALMPGeometry.m/src/ZALMPGeometry2D"
#include <ZALMPAssertionReport.h>

#include <ZALIMPGeometry2DLoader.h>
#include <ZALMPBody2D.h>
#include <ZALMPGeometry2D.h>
#include <ZALMPLinkTable.h>
#include <ZALMPSketch.h>

ZALMP_DEFINE_CLASS(ZALMPGeometry2D, ZALMPGeometry);

ZALMPGeometry2D::ZALMPGeometry2D() = default;

ZALMPGeometry2D::ZALMPGeometry2D(const ZALMPGeometry2D& source) : ZALMPGeometry(source) {}

ZALMPGeometry2D::~ZALMPGeometry2D() = default;

ZALMP_DEFINE_LOADER(ZALMPGeometry2D, ZALIMPGeometry2DLoader);

HRESULT ZALMPGeometry2D::SetBody(const RVLSharedHandle<ZALMPBody2D>& body)
{
  return ZALMPSetLink(m_body, body, ZALMP_HERE);
}

HRESULT ZALMPGeometry2D::GetBody(RVLSharedHandle<ZALMPBody2D>& body) const
{
  return ZALMPGetLink(m_body, body);
}

HRESULT ZALMPGeometry2D::RemoveBody(const RVLSharedHandle<ZALMPBody2D>& body)
{
  return ZALMPRemoveLink(m_body, body, ZALMP_HERE);
}

HRESULT ZALMPGeometry2D::SetSketch(const RVLSharedHandle<ZALMPSketch>& sketch)
{
  return ZALMPSetLink(m_sketch, sketch, ZALMP_HERE);
}

HRESULT ZALMPGeometry2D::GetSketch(RVLSharedHandle<ZALMPSketch>& sketch) const
{
  return ZALMPGetLink(m_sketch, sketch);
}

// After the geometry's own links: RemoveParent asks the planar body (then lets
// it go) before the constraints, and lets the sketch go unasked (a sketch
// lists no geometry). A filtered copy of a world re-makes the planar body, as
// it re-makes a geometry's body; the sketch is left out, as every link a
// filtered copy is not told to keep.
ZALMP_DEFINE_LINKS(ZALMPGeometry2D, &ZALMPGeometry::LinkTable(), Success,
                   ZALMPLinkTable::One(&ZALMPGeometry2D::m_body, L"Body2D", &ZALMPGeometry2D::SetBody,
                                       &ZALMPBody2D::RemoveGeometry, ZALMPFilteredCopy::Relinked, ZALMP_HERE),
                   ZALMPLinkTable::OneNotAsked(&ZALMPGeometry2D::m_sketch, L"Sketch", &ZALMPGeometry2D::SetSketch,
                                               ZALMPFilteredCopy::Dropped, ZALMP_HERE));

HRESULT ZALMPGeometry2D::Serialize(ZALMPSerializer* element) const
{
  if (FAILED(ZALMPGeometry::Serialize(element))) return E_FAIL;
  LinkTable().Write(*this, element);
  return S_OK;
}

HRESULT ZALMPGeometry2D::Deserialize(const ZALMPDeserializer* element, const ZALMPIdentifierMap& ids)
{
  if (FAILED(ZALMPGeometry::Deserialize(element, ids))) return E_FAIL;
  LinkTable().Read(*this, element, ids);
  return S_OK;
}
