#include "ZALMPCoordinates.h"

namespace {

constexpr std::wstring_view kCoordinates = L"Coordinates";

// The kind's element with the common part of `Base`, then its "Coordinates".
template <class Base>
ZALMPFieldWriter BeginOn(const Base& kind, ZALMPSerializer* parent, ZALMPSourceLocation where)
{
  const ZALMPFieldWriter element = ZALMPFieldWriter::Begin<Base>(kind, parent, where);
  return element ? element.Group(kCoordinates) : element;
}

template <class Base>
ZALMPFieldReader BeginOn(Base& kind, const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids,
                         ZALMPSourceLocation where)
{
  const ZALMPFieldReader element = ZALMPFieldReader::Begin<Base>(kind, parent, ids, where);
  return element ? element.Group(kCoordinates) : element;
}

}  // namespace

ZALMPFieldWriter ZALMPCoordinates::Begin(const ZALMPGeometry& kind, ZALMPSerializer* parent,
                                         ZALMPSourceLocation where)
{
  return BeginOn(kind, parent, where);
}

ZALMPFieldWriter ZALMPCoordinates::Begin(const ZALMPGeometry2D& kind, ZALMPSerializer* parent,
                                         ZALMPSourceLocation where)
{
  return BeginOn(kind, parent, where);
}

ZALMPFieldReader ZALMPCoordinates::Begin(ZALMPGeometry& kind, const ZALMPDeserializer* parent,
                                         const ZALMPIdentifierMap& ids, ZALMPSourceLocation where)
{
  return BeginOn(kind, parent, ids, where);
}

ZALMPFieldReader ZALMPCoordinates::Begin(ZALMPGeometry2D& kind, const ZALMPDeserializer* parent,
                                         const ZALMPIdentifierMap& ids, ZALMPSourceLocation where)
{
  return BeginOn(kind, parent, ids, where);
}

void ZALMPCoordinates::WritePlane(const ZALMPFieldWriter& out, const ZALMathPlane& plane)
{
  out.Numbers(ZALMPCoordinateNames::kOrigin, plane.GetOrigin());
  out.Numbers(ZALMPCoordinateNames::kNormal, plane.GetNormal());
}

ZALMathPlane ZALMPCoordinates::ReadPlane(const ZALMPFieldReader& in)
{
  const ZALMathPoint origin = in.Point(ZALMPCoordinateNames::kOrigin);
  const ZALMathVector normal = in.Vector(ZALMPCoordinateNames::kNormal);
  return ZALMathPlane(origin, normal);
}
