#pragma once
#include "ZALMPLoaderCall.h"

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPLinkTable.h>

#include <ZALMathLine.h>
#include <ZALMathLine2D.h>
#include <ZALMathTransformation.h>
#include <ZALMathTransformation2D.h>

#include <string>

// A drag line as its element holds it: child `id` holding "Coordinates" (in
// the plane "Coordinates2D") with "Ox", "Oy"(, "Oz") for the origin and "Dx",
// "Dy"(, "Dz") for the direction.
inline bool ZALMPWriteDragLine(const ZALMPFieldWriter& out, std::wstring_view id, const ZALMathLine& line)
{
  const ZALMPFieldWriter coordinates = out.Group(id).Group(L"Coordinates");
  return coordinates && coordinates.Numbers({L"Ox", L"Oy", L"Oz"}, line.GetOrigin()) &&
         coordinates.Numbers({L"Dx", L"Dy", L"Dz"}, line.GetDirection());
}

inline bool ZALMPWriteDragLine(const ZALMPFieldWriter& out, std::wstring_view id, const ZALMathLine2D& line)
{
  const ZALMPFieldWriter coordinates = out.Group(id).Group(L"Coordinates2D");
  return coordinates && coordinates.Numbers(ZALMPPairIds{L"Ox", L"Oy"}, line.GetOrigin()) &&
         coordinates.Numbers(ZALMPPairIds{L"Dx", L"Dy"}, line.GetDirection());
}

inline bool ZALMPReadDragLine(const ZALMPFieldReader& in, std::wstring_view id, ZALMathLine& line)
{
  const ZALMPFieldReader coordinates = in.Group(id).Group(L"Coordinates");
  if (!coordinates) return false;
  line = ZALMathLine(coordinates.Point({L"Ox", L"Oy", L"Oz"}), coordinates.Vector({L"Dx", L"Dy", L"Dz"}));
  return true;
}

inline bool ZALMPReadDragLine(const ZALMPFieldReader& in, std::wstring_view id, ZALMathLine2D& line)
{
  const ZALMPFieldReader coordinates = in.Group(id).Group(L"Coordinates2D");
  if (!coordinates) return false;
  line = ZALMathLine2D(coordinates.Point(ZALMPPairIds{L"Ox", L"Oy"}), coordinates.Vector(ZALMPPairIds{L"Dx", L"Dy"}));
  return true;
}

// A displacement as its element holds it: child `id` holding "Translation"
// and "Rotation", or in the plane "Translation2D" and "Rotation2D".
inline bool ZALMPWriteDisplacement(const ZALMPFieldWriter& out, std::wstring_view id,
                                   const ZALMathTransformation& displacement)
{
  return out.Placement(id, displacement);
}

inline bool ZALMPWriteDisplacement(const ZALMPFieldWriter& out, std::wstring_view id,
                                   const ZALMathTransformation2D& displacement)
{
  return out.Placement(id, displacement, L"Translation2D", L"Rotation2D");
}

inline bool ZALMPReadDisplacement(const ZALMPFieldReader& in, std::wstring_view id, ZALMathTransformation& displacement)
{
  return in.Placement(id, displacement);
}

inline bool ZALMPReadDisplacement(const ZALMPFieldReader& in, std::wstring_view id,
                                  ZALMathTransformation2D& displacement)
{
  return in.Placement(id, displacement, L"Translation2D", L"Rotation2D");
}

/// Defines the displacement actuator `Class` (in space, or in the plane with
/// `suffix` L"2D"): its accessors, loader calls, links and element, over the
/// body kind `Body`, geometry kind `Geometry` and loader `Loader`.
#define ZALMP_DEFINE_DISPLACEMENT_ACTUATOR(Class, Body, Geometry, Loader, suffix)                              \
  ZALMP_DEFINE_KIND(Class, ZALMPActuator);                                                                     \
  Class::Class(const Class& source)                                                                            \
      : ZALMPActuator(source), m_displacement(source.m_displacement), m_dragLine(source.m_dragLine)           \
  {                                                                                                            \
  }                                                                                                            \
  ZALMP_DEFINE_LOADER(Class, Loader);                                                                          \
  HRESULT Class::SetBody(const RVLSharedHandle<Body>& body) { return ZALMPSetLink(m_body, body, ZALMP_HERE); } \
  HRESULT Class::GetBody(RVLSharedHandle<Body>& body) const                                                    \
  {                                                                                                            \
    return ZALMPGetRequiredLink(m_body, body, ZALMP_HERE);                                                     \
  }                                                                                                            \
  HRESULT Class::SetGeometry(const RVLSharedHandle<Geometry>& geometry)                                        \
  {                                                                                                            \
    return ZALMPSetLink(m_geometry, geometry, ZALMP_HERE);                                                     \
  }                                                                                                            \
  HRESULT Class::GetGeometry(RVLSharedHandle<Geometry>& geometry) const                                        \
  {                                                                                                            \
    if (!m_geometry) return S_FALSE;                                                                           \
    geometry = m_geometry;                                                                                     \
    return S_OK;                                                                                               \
  }                                                                                                            \
  HRESULT Class::SetDisplacement(const decltype(m_displacement)& displacement)                                 \
  {                                                                                                            \
    m_displacement = displacement;                                                                             \
    return ZALMPTellLoader<Loader>(                                                                            \
        *this, [&](Loader& loader) { return loader.OnDisplacementChanged(displacement); }, ZALMP_HERE, false); \
  }                                                                                                            \
  HRESULT Class::GetDisplacement(decltype(m_displacement)& displacement) const                                 \
  {                                                                                                            \
    displacement = m_displacement;                                                                             \
    return S_OK;                                                                                               \
  }                                                                                                            \
  HRESULT Class::SetDisplacementByDragLine(const decltype(m_dragLine)& dragLine)                               \
  {                                                                                                            \
    m_dragLine = dragLine;                                                                                     \
    return ZALMPTellLoader<Loader>(                                                                            \
        *this, [&](Loader& loader) { return loader.OnDragLineChanged(dragLine); }, ZALMP_HERE, false);         \
  }                                                                                                            \
  HRESULT Class::GetDisplacementByDragLine(decltype(m_dragLine)& dragLine) const                               \
  {                                                                                                            \
    dragLine = m_dragLine;                                                                                     \
    return S_OK;                                                                                               \
  }                                                                                                            \
  HRESULT Class::GetMoveStatus(ZALMPMoveStatus::Enum& status) const                                            \
  {                                                                                                            \
    status = ZALMPMoveStatus::Idle;                                                                            \
    return ZALMPTellLoader<Loader>(*this, [&](Loader& loader) { return loader.GetMoveStatus(status); },        \
                                   ZALMP_HERE, false);                                                         \
  }                                                                                                            \
  /* The body and the geometry are never asked anything. */                                                   \
  ZALMP_DEFINE_LINKS(Class, &ZALMPEntity::LinkTable(), Success,                                                \
                     ZALMPLinkTable::OneNotAsked(&Class::m_body, L"Body" suffix, &Class::SetBody,              \
                                                 ZALMPFilteredCopy::Relinked, ZALMP_HERE,                      \
                                                 ZALMPLinkRelease::Never),                                     \
                     ZALMPLinkTable::OneNotAsked(&Class::m_geometry, L"Geometry" suffix, &Class::SetGeometry,  \
                                                 ZALMPFilteredCopy::Relinked, ZALMP_HERE,                      \
                                                 ZALMPLinkRelease::Never));                                    \
  HRESULT Class::Serialize(ZALMPSerializer* parent) const                                                      \
  {                                                                                                            \
    const ZALMPFieldWriter out = ZALMPFieldWriter::Begin<ZALMPActuator>(*this, parent, ZALMP_HERE);            \
    if (!out) return E_FAIL;                                                                                   \
    if (!m_body) ZALMP_REPORT();                                                                               \
    LinkTable().Write(*this, out.Element());                                                                   \
    const bool displaced = ZALMPWriteDisplacement(out, L"Displacement" suffix, m_displacement);                 \
    const bool dragged = ZALMPWriteDragLine(out, L"DragLine" suffix, m_dragLine);                              \
    const bool whole = displaced && dragged;                                                                   \
    if (whole) return S_OK;                                                                                    \
    ZALMP_REPORT();                                                                                            \
    return E_FAIL;                                                                                             \
  }                                                                                                            \
  HRESULT Class::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)                   \
  {                                                                                                            \
    const ZALMPFieldReader in = ZALMPFieldReader::Begin<ZALMPActuator>(*this, parent, ids, ZALMP_HERE);        \
    if (!in) return E_FAIL;                                                                                    \
    LinkTable().Read(*this, in.Element(), ids);                                                                \
    decltype(m_displacement) displacement;                                                                     \
    decltype(m_dragLine) dragLine;                                                                             \
    const bool displaced = ZALMPReadDisplacement(in, L"Displacement" suffix, displacement) &&                  \
                           SUCCEEDED(SetDisplacement(displacement));                                           \
    const bool dragged =                                                                                       \
        ZALMPReadDragLine(in, L"DragLine" suffix, dragLine) && SUCCEEDED(SetDisplacementByDragLine(dragLine)); \
    if (displaced && dragged) return S_OK;                                                                     \
    ZALMP_REPORT();                                                                                            \
    return E_FAIL;                                                                                             \
  }                                                                                                            \
  static_assert(true, "")
