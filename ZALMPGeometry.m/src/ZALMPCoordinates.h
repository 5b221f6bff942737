#pragma once
#include "ZALMPCoordinateNames.h"

#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPGeometry.h>

#include <ZALMathPoint.h>
#include <ZALMathVector.h>

#include <cstddef>

/// The layout every geometry kind shares: its own element, the geometry's
/// common part inside it, then "Coordinates" with one value element per number.
namespace ZALMPCoordinates {

/// A writer into the "Coordinates" of `kind`'s new element under `parent`;
/// nothing (reported at `where`) when an element cannot be added or the
/// common part fails.
ZALMPFieldWriter Begin(const ZALMPGeometry& kind, ZALMPSerializer* parent, ZALMPSourceLocation where);
/// A reader of the "Coordinates" of `kind`'s next element of `parent`, whose
/// common part is read first; nothing (reported) when an element is missing
/// or the common part fails.
ZALMPFieldReader Begin(ZALMPGeometry& kind, const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids,
                       ZALMPSourceLocation where);

}  // namespace ZALMPCoordinates

/// One number, point or direction of a kind whose coordinates are plain
/// fields. A direction is made a unit vector on reading; everything else is
/// stored as read, a missing number reading as 0.
template <class Kind>
struct ZALMPCoordinate {
  enum class Shape { Number, Point, Direction };
  Shape shape;
  ZALMPTripleIds ids;
  double Kind::*number = nullptr;
  ZALMathPoint Kind::*point = nullptr;
  ZALMathVector Kind::*vector = nullptr;
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
  }
  void Write(const Kind& kind, const ZALMPFieldWriter& out) const
  {
    if (shape == Shape::Number) out.Number(ids[0], kind.*number);
    if (shape == Shape::Point) out.Numbers(ids, kind.*point);
    if (shape == Shape::Direction) out.Numbers(ids, kind.*vector);
  }
  void Read(Kind& kind, const ZALMPFieldReader& in) const
  {
    if (shape == Shape::Number) kind.*number = in.Number(ids[0]);
    if (shape == Shape::Point) kind.*point = in.Point(ids);
    if (shape == Shape::Direction) kind.*vector = in.Direction(ids);
  }
};

#define ZALMP_GEOMETRY_HERE(Kind) (ZALMPSourceLocation{"ZALMPGeometry.m/src/" #Kind, __LINE__})

/// Defines a geometry kind whose coordinates are the plain fields listed as
/// `C::Number`, `C::Point` and `C::Direction` rows, in element order, with the
/// element ids of ZALMPCoordinateNames: ZALMP_DEFINE_KIND, the copy
/// constructor (a copy keeps the rows marked `Carried()`), Serialize and
/// Deserialize. Failures are reported as the kind's own ("ZALMPGeometry.m/src/<Kind>").
#define ZALMP_DEFINE_GEOMETRY_KIND(Kind, ...)                                                 \
  ZALMP_DEFINE_KIND(Kind, ZALMPGeometry);                                                     \
  Kind::Kind(const Kind& source) : ZALMPGeometry(source)                                      \
  {                                                                                           \
    using namespace ZALMPCoordinateNames;                                                     \
    using C = ZALMPCoordinate<Kind>;                                                          \
    for (const C& field : {__VA_ARGS__}) field.Carry(*this, source);                          \
  }                                                                                           \
  HRESULT Kind::Serialize(ZALMPSerializer* parent) const                                      \
  {                                                                                           \
    using namespace ZALMPCoordinateNames;                                                     \
    using C = ZALMPCoordinate<Kind>;                                                          \
    const ZALMPFieldWriter out = ZALMPCoordinates::Begin(*this, parent, ZALMP_GEOMETRY_HERE(Kind));          \
    if (!out) return E_FAIL;                                                                  \
    for (const C& field : {__VA_ARGS__}) field.Write(*this, out);                             \
    return S_OK;                                                                              \
  }                                                                                           \
  HRESULT Kind::Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids)  \
  {                                                                                           \
    using namespace ZALMPCoordinateNames;                                                     \
    using C = ZALMPCoordinate<Kind>;                                                          \
    const ZALMPFieldReader in = ZALMPCoordinates::Begin(*this, parent, ids, ZALMP_GEOMETRY_HERE(Kind));      \
    if (!in) return E_FAIL;                                                                   \
    for (const C& field : {__VA_ARGS__}) field.Read(*this, in);                               \
    return S_OK;                                                                              \
  }                                                                                           \
  static_assert(true, "")
