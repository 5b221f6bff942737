#pragma once
#include <ZALMPDeserializer.h>

#include <ZALUtf8.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// Every run of XML name characters in `text` that is followed by '=' and a
/// quote, with `decode` applied: a list that holds every attribute id of the
/// document (and perhaps more), since a tree cannot list its own.
template <class Decode>
std::vector<std::wstring> AttributeIdsIn(std::string_view text, Decode decode)
{
  const auto isName = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || c == '_' ||
           c == ':' || c == '-' || c == '.';
  };
  const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  std::set<std::wstring> ids;
  for (std::size_t end = 0; (end = text.find('=', end)) != std::string_view::npos; ++end) {
    std::size_t after = end + 1;
    while (after < text.size() && isSpace(text[after])) ++after;
    if (after == text.size() || (text[after] != '"' && text[after] != '\'')) continue;
    std::size_t last = end;
    while (last > 0 && isSpace(text[last - 1])) --last;
    std::size_t first = last;
    while (first > 0 && isName(text[first - 1])) --first;
    if (first != last) ids.insert(decode(text.substr(first, last - first)));
  }
  return {ids.begin(), ids.end()};
}

/// Where two element trees first differ (a path of ids, then what differs),
/// or empty when they agree in ids, versions, values (type and text),
/// attributes among `attributeIds` and children (in the order a host sees).
/// Reading a missing value is reported; callers capture those reports.
inline std::string TreeDifference(const ZALMPDeserializer& a, const ZALMPDeserializer& b,
                                  const std::vector<std::wstring>& attributeIds)
{
  std::vector<std::pair<const ZALMPDeserializer*, const ZALMPDeserializer*>> pending{{&a, &b}};
  std::vector<std::string> paths{""};
  std::vector<ZALMPDeserializer*> childrenA;
  std::vector<ZALMPDeserializer*> childrenB;
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    std::wstring idX, idY;
    x->GetId(idX);
    y->GetId(idY);
    const std::string path = paths.back() + "/" + ZALWideToUtf8(idX);
    paths.pop_back();
    if (idX != idY) return path + ": id differs from " + ZALWideToUtf8(idY);
    std::wstring versionX, versionY;
    x->GetVersion(versionX);
    y->GetVersion(versionY);
    if (versionX != versionY) return path + ": version " + ZALWideToUtf8(versionX) + " / " + ZALWideToUtf8(versionY);
    std::wstring valueX, valueY;
    const HRESULT statusX = x->GetValue(valueX);
    const HRESULT statusY = y->GetValue(valueY);
    if (statusX != statusY || valueX != valueY)
      return path + ": value \"" + ZALWideToUtf8(valueX) + "\" / \"" + ZALWideToUtf8(valueY) + "\"";
    for (const std::wstring& id : attributeIds) {
      if (x->HasAttribute(id) != y->HasAttribute(id)) return path + ": attribute " + ZALWideToUtf8(id) + " on one only";
      if (!x->HasAttribute(id)) continue;
      x->GetAttribute(id, valueX);
      y->GetAttribute(id, valueY);
      if (valueX != valueY)
        return path + ": attribute " + ZALWideToUtf8(id) + " \"" + ZALWideToUtf8(valueX) + "\" / \"" +
               ZALWideToUtf8(valueY) + "\"";
    }
    childrenA.clear();
    childrenB.clear();
    x->GetElements(childrenA);
    y->GetElements(childrenB);
    if (childrenA.size() != childrenB.size())
      return path + ": " + std::to_string(childrenA.size()) + " / " + std::to_string(childrenB.size()) + " children";
    for (std::size_t i = childrenA.size(); i-- > 0;) {
      pending.emplace_back(childrenA[i], childrenB[i]);
      paths.push_back(path + "[" + std::to_string(i) + "]");
    }
  }
  return {};
}
