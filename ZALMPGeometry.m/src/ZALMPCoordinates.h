#pragma once
#include "ZALMPCoordinateNames.h"

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPGeometry.h>
#include <ZALMPGeometry2D.h>

#include <ZALMathPlane.h>
#include <ZALMathPoint.h>
#include <ZALMathPoint2D.h>
#include <ZALMathVector.h>

#include <cstddef>

/// The layout every geometry kind shares: its own element, the geometry's
/// common part inside it (the planar common part for a planar kind), then
/// "Coordinates" with one value element per number.
namespace ZALMPCoordinates {

/// A writer into the "Coordinates" of `kind`'s new element under `parent`;
/// nothing (reported at `where`) when an element cannot be added or the
/// common part fails.
ZALMPFieldWriter Begin(const ZALMPGeometry& kind, ZALMPSerializer* parent, ZALMPSourceLocation where);
ZALMPFieldWriter Begin(const ZALMPGeometry2D& kind, ZALMPSerializer* parent, ZALMPSourceLocation where);
/// A reader of the "Coordinates" of `kind`'s next element of `parent`, whose
/// common part is read first; nothing (reported) when an element is missing
/// or the common part fails.
ZALMPFieldReader Begin(ZALMPGeometry& kind, const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids,
                       ZALMPSourceLocation where);
ZALMPFieldReader Begin(ZALMPGeometry2D& kind, const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids,
                       ZALMPSourceLocation where);

/// A line of space or of the plane: its origin under `origin` and its
/// direction under `direction`, both taken as read.
template <class Line, class Ids>
void WriteLine(const ZALMPFieldWriter& out, const Line& line, const Ids& origin, const Ids& direction)
{
  out.Numbers(origin, line.GetOrigin());
  out.Numbers(direction, line.GetDirection());
}
template <class Line, class Ids>
void ReadLine(const ZALMPFieldReader& in, Line& line, const Ids& origin, const Ids& direction)
{
  const auto readOrigin = in.Point(origin);
  const auto readDirection = in.Vector(direction);
  line.SetOrigin(readOrigin);
  line.SetDirection(readDirection);
}

/// A plane: its origin ("Ox", "Oy", "Oz") and normal ("Nx", "Ny", "Nz"); the
/// plane read is made again from them, with the in-plane directions it makes.
void WritePlane(const ZALMPFieldWriter& out, const ZALMathPlane& plane);
ZALMathPlane ReadPlane(const ZALMPFieldReader& in);

}  // namespace ZALMPCoordinates

/// One number, point or direction of a kind whose coordinates are plain
/// fields, in space or in the plane. A direction is made a unit vector on
/// reading; everything else is stored as read, a missing number reading as 0.
template <class Kind>
struct ZALMPCoordinate {
  enum class Shape { Number, Point, Direction, PlanarPoint };
  Shape shape;
  ZALMPTripleIds ids;  // the first one for a number, the first two for a planar point
  double Kind::*number = nullptr;
  ZALMathPoint Kind::*point = nullptr;
  ZALMathVector Kind::*vector = nullptr;
  ZALMathPoint2D Kind::*planarPoint = nullptr;
  bool carried = false;  // a copy of the kind keeps it

  static ZALMPCoordinate Number(double Kind::*field, std::wstring_view id) { return {Shape::Number, {id}, field}; }
  static ZALMPCoordinate Point(ZALMathPoint Kind::*field, const ZALMPTripleIds& ids)
  {
    return {Shape::Point, ids, nullptr, field};
  }
  static ZALMPCoordinate Direction(ZALMathVector Kind::*field, const ZALMPTripleIds& ids)
  {
    return {Shape::Direction, ids, nullptr, nullptr, field};
  }
  static ZALMPCoordinate Point(ZALMathPoint2D Kind::*field, const ZALMPPairIds& ids)
  {
    return {Shape::PlanarPoint, {ids[0], ids[1]}, nullptr, nullptr, nullptr, field};
  }
  ZALMPCoordinate Carried() const
  {
    ZALMPCoordinate copied = *this;
    copied.carried = true;
    return copied;
  }

  void Carry(Kind& copy, const Kind& source) const
  {
    if (!carried) return;
    if (number) copy.*number = source.*number;
    if (point) copy.*point = source.*point;
    if (vector) copy.*vector = source.*vector;
    if (planarPoint) copy.*planarPoint = source.*planarPoint;
  }
  void Write(const Kind& kind, const ZALMPFieldWriter& out) const
  {
    if (shape == Shape::Number) out.Number(ids[0], kind.*number);
    if (shape == Shape::Point) out.Numbers(ids, kind.*point);
    if (shape == Shape::Direction) out.Numbers(ids, kind.*vector);
    if (shape == Shape::PlanarPoint) out.Numbers(PlanarIds(), kind.*planarPoint);
  }
  void Read(Kind& kind, const ZALMPFieldReader& in) const
  {
    if (shape == Shape::Number) kind.*number = in.Number(ids[0]);
    if (shape == Shape::Point) kind.*point = in.Point(ids);
    if (shape == Shape::Direction) kind.*vector = in.Direction(ids);
    if (shape == Shape::PlanarPoint) kind.*planarPoint = in.Point(PlanarIds());
  }
  ZALMPPairIds PlanarIds() const { return {ids[0], ids[1]}; }
};

#define ZALMP_GEOMETRY_HERE(Kind) (ZALMPSourceLocation{"ZALMPGeometry.m/src/" #Kind, __LINE__})

/// Defines a geometry kind whose coordinates are the plain fields listed as
/// `C::Number`, `C::Point` and `C::Direction` rows, in element order, with the
/// element ids of ZALMPCoordinateNames: ZALMP_DEFINE_KIND, the copy
/// constructor (a copy keeps the rows marked `Carried()`), Serialize and
/// Deserialize. Failures are reported as the kind's own ("ZALMPGeometry.m/src/<Kind>").
#define ZALMP_DEFINE_GEOMETRY_KIND(Kind, ...) ZALMP_DEFINE_GEOMETRY_KIND_ON(ZALMPGeometry, Kind, __VA_ARGS__)
/// The same for a planar kind, whose element holds the planar common part.
#define ZALMP_DEFINE_GEOMETRY2D_KIND(Kind, ...) ZALMP_DEFINE_GEOMETRY_KIND_ON(ZALMPGeometry2D, Kind, __VA_ARGS__)

#define ZALMP_DEFINE_GEOMETRY_KIND_ON(Base, Kind, ...)                                       \
  ZALMP_DEFINE_GEOMETRY_FRAME(Base, Kind, ZALMP_COORDINATE_ROWS(Kind, Carry(*this, source), __VA_ARGS__), \
                              ZALMP_COORDINATE_ROWS(Kind, Write(*this, out), __VA_ARGS__),   \
                              ZALMP_COORDINATE_ROWS(Kind, Read(*this, in), __VA_ARGS__))
#define ZALMP_COORDINATE_ROWS(Kind, call, ...) \
  using C = ZALMPCoordinate<Kind>;             \
  for (const C& field : {__VA_ARGS__}) field.call

/// Defines a geometry kind of `Base` whose coordinates are one whole
/// mathematics object: ZALMP_DEFINE_KIND, the copy constructor (a copy starts
/// with the object at its default), and Serialize and Deserialize, in which
/// the statement `write` writes the object through `out` and `read` reads it
/// back through `in`.
#define ZALMP_DEFINE_GEOMETRY_OBJECT_KIND(Base, Kind, write, read) \
  ZALMP_DEFINE_GEOMETRY_FRAME(Base, Kind, , write, read)

// The frame of both: the kind's element, its common part, "Coordinates" and
// the statements that write, read and carry its coordinates.
#define ZALMP_DEFINE_GEOMETRY_FRAME(Base, Kind, carry, write, read)                          \
  ZALMP_DEFINE_KIND(Kind, Base);                                                              \
  Kind::Kind(const Kind& source) : Base(source)                                               \
  {                                                                                           \
    using namespace ZALMPCoordinateNames;                                                     \
    carry;                                                                                    \
  }                                                                                           \
  HRESULT Kind::Serialize(ZALMPSerializer* parent) const                                      \
  {                                                                                           \
    using namespace ZALMPCoordinateNames;                                                     \
    const ZALMPFieldWriter out = ZALMPCoordinates::Begin(*this, parent, ZALMP_GEOMETRY_HERE(Kind));          \
    if (!out) return E_FAIL;                                                                  \
    write;                                                                                    \
    return S_OK;                                                                              \
  }                                                                                           \
  HRESULT Kind::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)  \
  {                                                                                           \
    using namespace ZALMPCoordinateNames;                                                     \
    const ZALMPFieldReader in = ZALMPCoordinates::Begin(*this, parent, ids, ZALMP_GEOMETRY_HERE(Kind));      \
    if (!in) return E_FAIL;                                                                   \
    read;                                                                                     \
    return S_OK;                                                                              \
  }                                                                                           \
  static_assert(true, "")
