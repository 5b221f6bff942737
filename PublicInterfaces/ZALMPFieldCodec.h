#pragma once
// How a C++ type is held in a ZALMPFieldValue, included by ZALMPFieldRow.h.
// A type without a codec cannot be a field: describing one does not compile.

#include "ZALMPFieldCoordinates.h"
#include "ZALMPFieldType.h"
#include "ZALMPFieldValue.h"

#include <ZALMath2x2Matrix.h>
#include <ZALMath3x3Matrix.h>
#include <ZALMathAxis.h>
#include <ZALMathLine.h>
#include <ZALMathLine2D.h>
#include <ZALMathPlane.h>
#include <ZALMathPoint.h>
#include <ZALMathPoint2D.h>
#include <ZALMathTransformation.h>
#include <ZALMathTransformation2D.h>
#include <ZALMathVector.h>
#include <ZALMathVector2D.h>

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

/// `kType`, `ToValue(const T&)` and `FromValue(value, T&)` (true when `value`
/// holds a T; `out` is set only then) for each type a field can have.
template <class T>
struct ZALMPFieldCodec;

/// The value held as one alternative of ZALMPFieldValue, unchanged.
template <class T, ZALMPFieldType::Enum type>
struct ZALMPPlainFieldCodec {
  static constexpr ZALMPFieldType::Enum kType = type;
  static ZALMPFieldValue ToValue(const T& value) { return value; }
  static bool FromValue(const ZALMPFieldValue& value, T& out)
  {
    const T* held = std::get_if<T>(&value);
    if (held) out = *held;
    return held != nullptr;
  }
};

template <>
struct ZALMPFieldCodec<double> : ZALMPPlainFieldCodec<double, ZALMPFieldType::Number> {};
template <>
struct ZALMPFieldCodec<bool> : ZALMPPlainFieldCodec<bool, ZALMPFieldType::Boolean> {};
template <>
struct ZALMPFieldCodec<std::wstring> : ZALMPPlainFieldCodec<std::wstring, ZALMPFieldType::Text> {};

/// Any other integer type, held as a 32-bit integer; a value out of its range is refused.
template <std::integral T>
  requires(!std::is_same_v<T, bool>)
struct ZALMPFieldCodec<T> {
  static constexpr ZALMPFieldType::Enum kType = ZALMPFieldType::Integer;
  static ZALMPFieldValue ToValue(const T& value) { return static_cast<std::int32_t>(value); }
  static bool FromValue(const ZALMPFieldValue& value, T& out)
  {
    const std::int32_t* held = std::get_if<std::int32_t>(&value);
    if (!held || !std::in_range<T>(*held)) return false;
    out = static_cast<T>(*held);
    return true;
  }
};

/// An enumeration stored by name (ZALMP_NAMED_ENUMERATION), held as its
/// member's name; a name that no member spells exactly is refused.
template <class T>
  requires std::is_enum_v<T> && requires(T member) { ZALMPNamesOf(member); }
struct ZALMPFieldCodec<T> {
  static constexpr ZALMPFieldType::Enum kType = ZALMPFieldType::Enumeration;
  static constexpr const auto& Names() { return ZALMPNamesOf(T{}); }
  static ZALMPFieldValue ToValue(const T& value) { return std::wstring(Names().NameOf(value)); }
  static bool FromValue(const ZALMPFieldValue& value, T& out)
  {
    const std::wstring* name = std::get_if<std::wstring>(&value);
    if (!name) return false;
    for (std::size_t i = 0; i < Names().Size(); ++i)
      if (Names()[i].name == *name) {
        out = Names()[i].number;
        return true;
      }
    return false;
  }
  static std::vector<std::wstring_view> MemberNames()
  {
    std::vector<std::wstring_view> names;
    for (std::size_t i = 0; i < Names().Size(); ++i) names.push_back(Names()[i].name);
    return names;
  }
};

/// An enumeration without names (its members are the host's numbers), held as its number.
template <class T>
  requires std::is_enum_v<T> && (!requires(T member) { ZALMPNamesOf(member); })
struct ZALMPFieldCodec<T> {
  static constexpr ZALMPFieldType::Enum kType = ZALMPFieldType::Integer;
  static ZALMPFieldValue ToValue(const T& value) { return static_cast<std::int32_t>(value); }
  static bool FromValue(const ZALMPFieldValue& value, T& out)
  {
    const std::int32_t* held = std::get_if<std::int32_t>(&value);
    if (held) out = static_cast<T>(*held);
    return held != nullptr;
  }
};

/// A geometric value, held as its coordinates (ZALMPFieldCoordinates).
template <class T, ZALMPFieldType::Enum type>
struct ZALMPGeometricFieldCodec {
  static constexpr ZALMPFieldType::Enum kType = type;
  static ZALMPFieldValue ToValue(const T& value) { return ZALMPFieldCoordinates::Of(value); }
  static bool FromValue(const ZALMPFieldValue& value, T& out)
  {
    const std::vector<double>* coordinates = std::get_if<std::vector<double>>(&value);
    return coordinates && ZALMPFieldCoordinates::Read(*coordinates, out);
  }
};

// Each geometric type with its field type.
#define ZALMP_GEOMETRIC_FIELD_CODEC(T, type) \
  template <>                              \
  struct ZALMPFieldCodec<T> : ZALMPGeometricFieldCodec<T, ZALMPFieldType::type> {}
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMathPoint, Point);
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMathVector, Vector);
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMath3x3Matrix, Matrix);
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMathTransformation, Placement);
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMathPoint2D, Point2D);
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMathVector2D, Vector2D);
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMath2x2Matrix, Matrix2D);
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMathTransformation2D, Placement2D);
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMathAxis, Axis);
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMathLine, Line);
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMathPlane, Plane);
ZALMP_GEOMETRIC_FIELD_CODEC(ZALMathLine2D, Line2D);
#undef ZALMP_GEOMETRIC_FIELD_CODEC
