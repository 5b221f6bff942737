#pragma once
#include "ZALMPExport.h"
#include "ZALMPSerializationServices.h"
#include "ZALMPSerializer.h"
#include "ZALMPSourceLocation.h"

#include <ZALStatus.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class ZALMath2x2Matrix;
class ZALMath3x3Matrix;
class ZALMathPoint;
class ZALMathPoint2D;
class ZALMathTransformation;
class ZALMathTransformation2D;
class ZALMathVector;
class ZALMathVector2D;

/// Element ids of three numbers: the coordinates of a point or a vector.
using ZALMPTripleIds = std::array<std::wstring_view, 3>;
/// Element ids of two numbers: the coordinates of a planar point or vector.
using ZALMPPairIds = std::array<std::wstring_view, 2>;

/// Writes an entity's fields into its element, reporting every failure at the
/// kind's own location and going on with the next field. A writer whose
/// element could not be made writes nothing (that failure was reported once).
/// The reading twin is ZALMPFieldReader; a kind writes and reads its fields in
/// the same order through the two.
class ZALMP_EXPORT ZALMPFieldWriter {
public:
  /// The element ids of a point's and a vector's coordinates, of a matrix's
  /// columns, and of a placement's two parts.
  static constexpr ZALMPTripleIds kPointIds = {L"Px", L"Py", L"Pz"};
  static constexpr ZALMPTripleIds kVectorIds = {L"Vx", L"Vy", L"Vz"};
  static constexpr std::array<ZALMPTripleIds, 3> kColumnIds = {
      {{L"M1x", L"M1y", L"M1z"}, {L"M2x", L"M2y", L"M2z"}, {L"M3x", L"M3y", L"M3z"}}};
  static constexpr std::wstring_view kTranslationId = L"Translation";
  static constexpr std::wstring_view kRotationId = L"Rotation";
  /// Their planar twins: two coordinates, two columns of two.
  static constexpr ZALMPPairIds kPlanarPointIds = {L"Px", L"Py"};
  static constexpr ZALMPPairIds kPlanarVectorIds = {L"Vx", L"Vy"};
  static constexpr std::array<ZALMPPairIds, 2> kPlanarColumnIds = {{{L"M1x", L"M1y"}, {L"M2x", L"M2y"}}};

  /// A writer into `element` (null: a writer that writes nothing).
  ZALMPFieldWriter(ZALMPSerializer* element, ZALMPSourceLocation where) : m_element(element), m_where(where) {}

  /// The frame of a kind: adds the element named after `kind`'s class under
  /// `parent` and has the base class `Base` write its part into it. The writer
  /// writes into that element; it writes nothing (and the failure is
  /// reported) when `parent` is null or the element cannot be added, or when
  /// the base part fails (reported by it).
  template <class Base, class Kind>
  static ZALMPFieldWriter Begin(const Kind& kind, ZALMPSerializer* parent, ZALMPSourceLocation where)
  {
    return Begin<Base>(kind, parent, ZALMPSerializationServices::ElementIdOf(kind.getClassName()), where);
  }
  /// As above, for a kind whose element is named `elementId`.
  template <class Base, class Kind>
  static ZALMPFieldWriter Begin(const Kind& kind, ZALMPSerializer* parent, std::wstring_view elementId,
                                ZALMPSourceLocation where)
  {
    ZALMPFieldWriter writer(nullptr, where);
    ZALMPSerializer* own = writer.AddOwnElement(parent, elementId);
    // The base part reports its own failure.
    if (own && FAILED(static_cast<const Base&>(kind).Base::Serialize(own))) own = nullptr;
    writer.m_element = own;
    return writer;
  }

  /// False when there is no element to write into.
  explicit operator bool() const { return m_element != nullptr; }
  ZALMPSerializer* Element() const { return m_element; }
  ZALMPSourceLocation Where() const { return m_where; }
  /// The element's format version.
  std::wstring Version() const;

  /// A writer into a new child `id` (nothing when it cannot be added: reported).
  ZALMPFieldWriter Group(std::wstring_view id) const;
  /// As above, the child holding the text `value`, so that attributes can go with it.
  ZALMPFieldWriter Group(std::wstring_view id, std::wstring_view value) const;

  /// One value element `id`. Each of these is true when it was written.
  bool Number(std::wstring_view id, double value) const;
  bool Value(std::wstring_view id, bool value) const;
  bool Value(std::wstring_view id, std::int32_t value) const;
  bool Value(std::wstring_view id, std::wstring_view text) const;
  /// An enumeration by its name in the holder's name table.
  template <class Holder>
  bool Name(std::wstring_view id, typename Holder::Enum value) const
  {
    return Value(id, Holder::ToName(value));
  }
  /// An attribute of the element.
  bool Attribute(std::wstring_view id, double value) const;
  bool Attribute(std::wstring_view id, std::int32_t value) const;
  bool Attribute(std::wstring_view id, std::wstring_view text) const;

  /// Three value elements side by side.
  bool Numbers(const ZALMPTripleIds& ids, double x, double y, double z) const;
  bool Numbers(const ZALMPTripleIds& ids, const ZALMathPoint& point) const;
  bool Numbers(const ZALMPTripleIds& ids, const ZALMathVector& vector) const;
  /// Child `id` holding three value elements.
  bool Triple(std::wstring_view id, const ZALMPTripleIds& ids, double x, double y, double z) const;
  /// Child `id` holding "Px", "Py", "Pz" / "Vx", "Vy", "Vz".
  bool Point(std::wstring_view id, const ZALMathPoint& point) const;
  bool Vector(std::wstring_view id, const ZALMathVector& vector) const;
  /// Child `id` holding the columns: "M1x", "M1y", "M1z", "M2x" ... "M3z".
  bool Matrix(std::wstring_view id, const ZALMath3x3Matrix& matrix) const;
  /// Child `id` holding "Translation" (a vector) and "Rotation" (a matrix).
  bool Placement(std::wstring_view id, const ZALMathTransformation& placement) const;

  /// The planar twins: two value elements side by side; child `id` holding
  /// "Px", "Py" / "Vx", "Vy"; child `id` holding the columns "M1x", "M1y",
  /// "M2x", "M2y"; child `id` holding `translationId` (a planar vector) and
  /// `rotationId` (a 2x2 matrix).
  bool Numbers(const ZALMPPairIds& ids, double x, double y) const;
  bool Numbers(const ZALMPPairIds& ids, const ZALMathPoint2D& point) const;
  bool Numbers(const ZALMPPairIds& ids, const ZALMathVector2D& vector) const;
  bool Point(std::wstring_view id, const ZALMathPoint2D& point) const;
  bool Vector(std::wstring_view id, const ZALMathVector2D& vector) const;
  bool Matrix(std::wstring_view id, const ZALMath2x2Matrix& matrix) const;
  bool Placement(std::wstring_view id, const ZALMathTransformation2D& placement,
                 std::wstring_view translationId = kTranslationId, std::wstring_view rotationId = kRotationId) const;

  void Report() const;

private:
  ZALMPSerializer* AddOwnElement(ZALMPSerializer* parent, std::wstring_view elementId) const;

  ZALMPSerializer* m_element;
  ZALMPSourceLocation m_where;
};
