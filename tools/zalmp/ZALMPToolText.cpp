#include "ZALMPToolText.h"

#include <ZALMPEntity.h>
#include <ZALMPXml.h>

#include <ZALMathPoint.h>
#include <ZALMathVector.h>
#include <ZALUnicodeString.h>

#include <charconv>

std::string ZALMPToolText::Narrow(std::wstring_view text)
{
  return ZALUnicodeString(std::wstring(text)).ConvertToChar();
}

std::string ZALMPToolText::Number(double value)
{
  char digits[32];
  const char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::string(digits, static_cast<std::size_t>(end - digits));
}

std::string ZALMPToolText::Triple(const ZALMathPoint& point)
{
  return Number(point.GetX()) + " " + Number(point.GetY()) + " " + Number(point.GetZ());
}

std::string ZALMPToolText::Triple(const ZALMathVector& vector)
{
  return Number(vector.GetX()) + " " + Number(vector.GetY()) + " " + Number(vector.GetZ());
}

std::string ZALMPToolText::NameOf(const ZALMPEntity* entity)
{
  if (!entity) return "(none)";
  const std::string name = entity->GetID().str();
  if (!name.empty()) return "\"" + name + "\"";
  std::wstring id;
  entity->GetIdentifier(id);
  return "(unnamed, id " + Narrow(id) + ")";
}

std::string ZALMPToolText::Where(const ZALMPXmlWarning& warning)
{
  return warning.source + ":" + std::to_string(warning.line) + "  " +
         (warning.element.empty() ? "(outside any element)" : Narrow(warning.element));
}
