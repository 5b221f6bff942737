#pragma once
// What a model read gave, as one text: the result, the version, the warnings
// and the world written again, for checks that compare two ways of reading.

#include <ZALMPWorld.h>
#include <ZALMPXml.h>

#include <cctype>
#include <sstream>
#include <string>
#include <string_view>

// `text` with every generated identifier ("id" and a UUID) as "id(generated)":
// a world that its document names no globals for makes its own, each time new ones.
inline std::string WithoutGeneratedIdentifiers(std::string_view text)
{
  constexpr std::string_view kShape = "id########-####-####-####-############";
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    bool generated = text.size() - i >= kShape.size();
    for (std::size_t k = 0; generated && k < kShape.size(); ++k) {
      const char c = text[i + k];
      generated = kShape[k] == '#' ? std::isxdigit(static_cast<unsigned char>(c)) && !std::islower(static_cast<unsigned char>(c))
                                   : c == kShape[k];
    }
    if (generated) {
      out += "id(generated)";
      i += kShape.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

inline std::string DescribeModelRead(const ZALMPXmlResult& result, const ZALMPXmlModel& model)
{
  std::ostringstream out;
  out << result.status << " \"" << result.message << "\" " << result.line << ':' << result.column << '\n';
  if (!result) return out.str();
  std::string written;
  ZALMPXml::Write(*model.world, written);
  out << std::string(model.version.begin(), model.version.end()) << '\n';
  for (const ZALMPXmlWarning& warning : model.warnings)
    out << warning.source << ':' << warning.line << ' ' << std::string(warning.element.begin(), warning.element.end())
        << '\n';
  return out.str() + WithoutGeneratedIdentifiers(written);
}
