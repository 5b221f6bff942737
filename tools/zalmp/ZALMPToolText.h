#pragma once
#include <string>
#include <string_view>

class ZALMPEntity;
struct ZALMPXmlWarning;
class ZALMathPoint;
class ZALMathVector;

/// How the tool shows the model's texts and numbers: UTF-8, and numbers in
/// the shortest form that reads back to the same value.
class ZALMPToolText {
public:
  static std::string Narrow(std::wstring_view text);
  static std::string Number(double value);
  static std::string Triple(const ZALMathPoint& point);
  static std::string Triple(const ZALMathVector& vector);
  /// The entity's name in quotes, or its identifier when it has no name;
  /// "(none)" for a null entity.
  static std::string NameOf(const ZALMPEntity* entity);
  /// "<source>:<line>  <element>": where the library reported a problem while reading.
  static std::string Where(const ZALMPXmlWarning& warning);
};
