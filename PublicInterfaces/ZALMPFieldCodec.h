#pragma once
// How a C++ type is held in a ZALMPFieldValue, included by ZALMPFieldRow.h.
// A type without a codec cannot be a field: describing one does not compile.

#include "ZALMPFieldCoordinates.h"
#include "ZALMPFieldType.h"
#include "ZALMPFieldValue.h"

#include <ZALMath2x2Matrix.h>
#include <ZALMath3x3Matrix.h>
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

template <>
struct ZALMPFieldCodec<ZALMathPoint> : ZALMPGeometricFieldCodec<ZALMathPoint, ZALMPFieldType::Point> {};
template <>
struct ZALMPFieldCodec<ZALMathVector> : ZALMPGeometricFieldCodec<ZALMathVector, ZALMPFieldType::Vector> {};
template <>
struct ZALMPFieldCodec<ZALMath3x3Matrix> : ZALMPGeometricFieldCodec<ZALMath3x3Matrix, ZALMPFieldType::Matrix> {};
template <>
struct ZALMPFieldCodec<ZALMathTransformation>
    : ZALMPGeometricFieldCodec<ZALMathTransformation, ZALMPFieldType::Placement> {};
template <>
struct ZALMPFieldCodec<ZALMathPoint2D> : ZALMPGeometricFieldCodec<ZALMathPoint2D, ZALMPFieldType::Point2D> {};
template <>
struct ZALMPFieldCodec<ZALMathVector2D> : ZALMPGeometricFieldCodec<ZALMathVector2D, ZALMPFieldType::Vector2D> {};
template <>
struct ZALMPFieldCodec<ZALMath2x2Matrix> : ZALMPGeometricFieldCodec<ZALMath2x2Matrix, ZALMPFieldType::Matrix2D> {};
template <>
struct ZALMPFieldCodec<ZALMathTransformation2D>
    : ZALMPGeometricFieldCodec<ZALMathTransformation2D, ZALMPFieldType::Placement2D> {};
