#pragma once
#include "ZALMPDeserializer.h"
#include "ZALMPExport.h"
#include "ZALMPFieldWriter.h"
#include "ZALMPIdentifierMap.h"
#include "ZALMPSourceLocation.h"

#include <ZALStatus.h>

#include <cstdint>
#include <string>
#include <string_view>

/// Reads an entity's fields back from its element, the twin of
/// ZALMPFieldWriter. A field that is missing is reported at the kind's own
/// location (one that does not convert is also reported by the element) and
/// leaves the destination as it was; reading goes on with the next field. A
/// reader without an element reads nothing and reports nothing more.
class ZALMP_EXPORT ZALMPFieldReader {
public:
  /// A reader of `element` (null: a reader that reads nothing).
  ZALMPFieldReader(const ZALMPDeserializer* element, ZALMPSourceLocation where) : m_element(element), m_where(where)
  {
  }

  /// The frame of a kind: takes the next child of `parent` named after
  /// `kind`'s class and has the base class `Base` read its part from it. The
  /// reader reads that element; it reads nothing (and the failure is reported)
  /// when `parent` is null or there is no such child, or when the base part
  /// fails (reported by it).
  template <class Base, class Kind>
  static ZALMPFieldReader Begin(Kind& kind, const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids,
                                ZALMPSourceLocation where)
  {
    return Begin<Base>(kind, parent, ids, ZALMPSerializationServices::ElementIdOf(kind.getClassName()), where);
  }
  /// As above, for a kind whose element is named `elementId`.
  template <class Base, class Kind>
  static ZALMPFieldReader Begin(Kind& kind, const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids,
                                std::wstring_view elementId, ZALMPSourceLocation where)
  {
    ZALMPFieldReader reader(nullptr, where);
    const ZALMPDeserializer* own = reader.OwnElement(parent, elementId);
    // The base part reports its own failure.
    if (own && FAILED(static_cast<Base&>(kind).Base::Deserialize(own, ids))) own = nullptr;
    reader.m_element = own;
    return reader;
  }

  explicit operator bool() const { return m_element != nullptr; }
  const ZALMPDeserializer* Element() const { return m_element; }
  /// The element's format version.
  std::wstring Version() const;

  /// A reader of the next child `id` (nothing when there is none: reported).
  ZALMPFieldReader Group(std::wstring_view id) const;
  /// True when the element has a child `id` (nothing is reported).
  bool Has(std::wstring_view id) const;

  /// The value of the next child `id`. False (and `value` unchanged) when it
  /// is missing or does not convert.
  bool Read(std::wstring_view id, double& value) const;
  bool Read(std::wstring_view id, bool& value) const;
  bool Read(std::wstring_view id, std::int32_t& value) const;
  bool Read(std::wstring_view id, std::wstring& text) const;
  /// The element's own value as text. False (reported, `text` unchanged) when it does not convert.
  bool Value(std::wstring& text) const;
  /// A number that is missing reads as 0.
  double Number(std::wstring_view id) const;
  /// An enumeration by name; a name outside the holder's table gives its
  /// fallback (the table's first row). False when missing.
  template <class Holder>
  bool Name(std::wstring_view id, typename Holder::Enum& value) const
  {
    std::wstring text;
    if (!Read(id, text)) return false;
    value = Holder::FromName(text);
    return true;
  }
  /// An attribute of the element (a missing one is reported by the element).
  bool Attribute(std::wstring_view id, double& value) const;
  bool Attribute(std::wstring_view id, std::int32_t& value) const;
  bool Attribute(std::wstring_view id, std::wstring& text) const;

  /// Three numbers side by side; a missing one reads as 0.
  ZALMathPoint Point(const ZALMPTripleIds& ids) const;
  ZALMathVector Vector(const ZALMPTripleIds& ids) const;
  /// As Vector, made a unit direction: kept when its squared length is exactly
  /// 1, divided by its length otherwise, (1, 0, 0) for the zero vector.
  ZALMathVector Direction(const ZALMPTripleIds& ids) const;
  /// Child `id` holding three numbers. False when it is missing (reported);
  /// else each present number replaces its entry of `values`, and a missing
  /// one is set to `absent` when given or kept otherwise, unreported.
  bool Triple(std::wstring_view id, const ZALMPTripleIds& ids, double (&values)[3], const double* absent) const;
  /// Child `id` holding "Px", "Py", "Pz" / "Vx", "Vy", "Vz"; a missing number
  /// reads as 0. False (unchanged) when `id` is missing.
  bool Point(std::wstring_view id, ZALMathPoint& point) const;
  bool Vector(std::wstring_view id, ZALMathVector& vector) const;
  /// Child `id` holding the nine numbers of a matrix by columns; a missing
  /// number reads as 0. False (unchanged) when `id` is missing.
  bool Matrix(std::wstring_view id, ZALMath3x3Matrix& matrix) const;
  /// Child `id` holding "Translation" and "Rotation"; the placement starts as
  /// the identity and a missing part keeps that part. False (unchanged) when
  /// `id` is missing.
  bool Placement(std::wstring_view id, ZALMathTransformation& placement) const;

  /// The planar twins, read as the ones in space: two numbers side by side;
  /// child `id` holding "Px", "Py" / "Vx", "Vy"; the two columns of a 2x2
  /// matrix; a placement of `translationId` and `rotationId`.
  ZALMathPoint2D Point(const ZALMPPairIds& ids) const;
  ZALMathVector2D Vector(const ZALMPPairIds& ids) const;
  bool Point(std::wstring_view id, ZALMathPoint2D& point) const;
  bool Vector(std::wstring_view id, ZALMathVector2D& vector) const;
  bool Matrix(std::wstring_view id, ZALMath2x2Matrix& matrix) const;
  bool Placement(std::wstring_view id, ZALMathTransformation2D& placement,
                 std::wstring_view translationId = ZALMPFieldWriter::kTranslationId,
                 std::wstring_view rotationId = ZALMPFieldWriter::kRotationId) const;

  void Report() const;

private:
  const ZALMPDeserializer* OwnElement(const ZALMPDeserializer* parent, std::wstring_view elementId) const;
  ZALMPDeserializer* Child(std::wstring_view id) const;

  const ZALMPDeserializer* m_element;
  ZALMPSourceLocation m_where;
};
