#pragma once
#include <ZALMPCompactText.h>
#include <ZALMPSerializationVariable.h>

#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

/// A typed value as both element trees keep it: its kind, and one text that
/// holds either the text itself (in ZALMPCompactText's encoding) or the bytes
/// of the bool, int or double. An attribute holds a cell; an element keeps its
/// own value in the same two parts as members of its class, which the static
/// forms serve.
struct ZALMPValueCell {
  using Type = ZALMPSerializationVariable::Type;

  ZALMPCompactText content;
  std::uint8_t type = Type::None;

  /// The scalars a cell keeps by their bytes.
  template <class Scalar>
  static constexpr bool kIsScalar =
      std::is_same_v<Scalar, bool> || std::is_same_v<Scalar, std::int32_t> || std::is_same_v<Scalar, double>;

  /// The kind of each scalar.
  template <class Scalar>
  static constexpr Type kTypeOf = std::is_same_v<Scalar, bool>           ? Type::Bool
                                  : std::is_same_v<Scalar, std::int32_t> ? Type::Int
                                                                          : Type::Double;

  /// The bytes that keep `value`.
  template <class Scalar>
  static std::string_view BytesOf(const Scalar& value)
  {
    static_assert(kIsScalar<Scalar>);
    return {reinterpret_cast<const char*>(&value), sizeof value};
  }

  /// The scalar whose bytes `content` keeps.
  template <class Scalar>
  static Scalar ScalarOf(const ZALMPCompactText& content)
  {
    static_assert(kIsScalar<Scalar>);
    Scalar value{};
    std::memcpy(&value, content.View().data(), sizeof value);
    return value;
  }

  /// Keeps `value` in `content` and its kind in `type`. Scalars fit inside a
  /// text, so this takes no memory and cannot fail.
  template <class Scalar, class TypeField>
  static void Store(ZALMPCompactText& content, TypeField& type, const Scalar& value)
  {
    content.Assign(BytesOf(value));
    type = kTypeOf<Scalar>;
  }

  /// The scalar kept, when the kind is Scalar's; `otherwise` for any other kind.
  template <class Scalar>
  static Scalar ScalarOr(std::uint8_t type, const ZALMPCompactText& content, Scalar otherwise)
  {
    return type == kTypeOf<Scalar> ? ScalarOf<Scalar>(content) : otherwise;
  }

  /// The text kept, when the kind is String; empty for any other kind.
  static std::string_view TextOf(std::uint8_t type, const ZALMPCompactText& content)
  {
    return type == Type::String ? content.View() : std::string_view();
  }

  template <class Scalar>
  Scalar ScalarOr(Scalar otherwise) const
  {
    return ScalarOr(type, content, otherwise);
  }
  std::string_view Text() const { return TextOf(type, content); }
};
