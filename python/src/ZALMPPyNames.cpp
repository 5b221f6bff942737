#include "ZALMPPyNames.h"

#include <cctype>
#include <cwctype>
#include <vector>

std::string ZALMPPyNames::Attribute(std::wstring_view name)
{
  // Words start at an upper-case letter after a lower-case one, and
  // at the last capital of a run of capitals followed by a lower-case letter.
  std::vector<std::string> words(1);
  for (std::size_t i = 0; i < name.size(); ++i) {
    const wchar_t c = name[i];
    const bool upper = std::iswupper(c);
    const bool afterLower = i > 0 && std::iswlower(name[i - 1]);
    const bool endsCapitals =
        i > 0 && std::iswupper(name[i - 1]) && i + 1 < name.size() && std::iswlower(name[i + 1]);
    if (upper && (afterLower || endsCapitals) && !words.back().empty()) words.emplace_back();
    words.back().push_back(static_cast<char>(std::towlower(c)));
  }
  if (std::isdigit(static_cast<unsigned char>(words.front().front())) && words.size() > 1) {
    words.push_back(words.front());
    words.erase(words.begin());
  }
  std::string attribute;
  for (const std::string& word : words) attribute += (attribute.empty() ? "" : "_") + word;
  return attribute;
}

std::string ZALMPPyNames::Class(std::string_view className)
{
  constexpr std::string_view kPrefix = "ZALMP";
  if (className.substr(0, kPrefix.size()) != kPrefix) return std::string(className);
  const std::string_view rest = className.substr(kPrefix.size());
  if (rest.empty() || std::isdigit(static_cast<unsigned char>(rest.front()))) return std::string(className);
  return std::string(rest);
}

std::string ZALMPPyNames::Narrow(std::wstring_view text)
{
  return std::string(text.begin(), text.end());
}
