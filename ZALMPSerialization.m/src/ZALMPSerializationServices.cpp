#define ZALMP_SOURCE_FILE "ZALMPSerialization.m/src/ZALMPSerializationServices"
#include <ZALMPAssertionReport.h>

#include <ZALMPDeserializer.h>
#include <ZALMPEntity.h>
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPSerializer.h>
#include <ZALMPValue.h>

#include <ZALCDSArray.h>
#include <ZALCDSString.h>
#include <ZALMathPoint.h>
#include <ZALMathVector.h>
#include <ZALUnicodeString.h>
#include <ZALWBEquationPrinter.h>
#include <ZALWBFactory.h>
#include <ZALWBModel.h>
#include <ZALWBParser.h>
#include <ZALWBParserMessenger.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace {

// The three element ids that stand for class names beginning with a digit.
struct DigitName {
  const wchar_t* elementId;
  const wchar_t* classSuffix;
};
constexpr std::array<DigitName, 3> kDigitNames = {{{L"ZeroDoF", L"0DoF"}, {L"SixDoF", L"6DoF"}, {L"Rep3D", L"3DRep"}}};

constexpr std::string_view kClassPrefix = "ZALMP";

// A point or vector child written or read by the entities' field writer and
// reader; a missing tree is reported here, everything else by them.
template <class Write>
HRESULT WriteTriple(ZALMPSerializer* tree, Write write)
{
  if (!tree) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return write(ZALMPFieldWriter(tree, ZALMP_HERE)) ? S_OK : E_FAIL;
}

template <class Read>
HRESULT ReadTriple(const ZALMPDeserializer* tree, Read read)
{
  if (!tree) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return read(ZALMPFieldReader(tree, ZALMP_HERE)) ? S_OK : E_FAIL;
}

}  // namespace

HRESULT ZALMPSerializationServices::Serialize(ZALMPSerializer*& tree, const RVLSharedHandle<ZALMPValue>* values,
                                              int count, const std::vector<std::wstring>& names)
{
  if (!tree) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (count != static_cast<int>(names.size())) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (count < 1) return S_OK;
  for (int i = 0; i < count; ++i) {
    ZALMPSerializer* child = nullptr;
    if (FAILED(tree->AddElement(names[static_cast<std::size_t>(i)], child)) || !child) {
      ZALMP_REPORT();
      return E_FAIL;
    }
    const RVLSharedHandle<ZALMPValue>& value = values[i];
    if (!value) {
      ZALMP_REPORT();
      return E_FAIL;
    }
    // A value that is no longer alive is referred to by an empty element.
    if (!value.IsAlive()) {
      ZALMP_REPORT();
      continue;
    }
    std::wstring id;
    if (SUCCEEDED(value->GetIdentifier(id)) && FAILED(child->AddAttribute(L"id", id))) ZALMP_REPORT();
    if (FAILED(child->AddAttribute(L"name", value->getEntityName()))) {
      ZALMP_REPORT();
      return E_FAIL;
    }
  }
  return S_OK;
}

HRESULT ZALMPSerializationServices::Serialize(ZALMPSerializer*& tree, const RVLSharedHandle<ZALMPValue>& value,
                                              const std::wstring& name)
{
  if (!tree || !value) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (FAILED(Serialize(tree, &value, 1, {name}))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT ZALMPSerializationServices::Serialize(ZALMPSerializer*& tree, const ZALMathPoint& point,
                                              const std::wstring& name)
{
  return WriteTriple(tree, [&](const ZALMPFieldWriter& out) { return out.Point(name, point); });
}

HRESULT ZALMPSerializationServices::Serialize(ZALMPSerializer*& tree, const ZALMathVector& vector,
                                              const std::wstring& name)
{
  return WriteTriple(tree, [&](const ZALMPFieldWriter& out) { return out.Vector(name, vector); });
}

HRESULT ZALMPSerializationServices::Deserialize(ZALMPDeserializer*& tree, const std::vector<std::wstring>& names,
                                                const ZALMPIdentifierMap& ids, RVLSharedHandle<ZALMPValue>* values)
{
  return Deserialize(static_cast<const ZALMPDeserializer*>(tree), names, ids, values);
}

HRESULT ZALMPSerializationServices::Deserialize(ZALMPDeserializer*& tree, const std::wstring& name,
                                                const ZALMPIdentifierMap& ids, RVLSharedHandle<ZALMPValue>& value)
{
  return Deserialize(static_cast<const ZALMPDeserializer*>(tree), name, ids, value);
}

HRESULT ZALMPSerializationServices::Deserialize(const ZALMPDeserializer* tree, const std::vector<std::wstring>& names,
                                                const ZALMPIdentifierMap& ids, RVLSharedHandle<ZALMPValue>* values)
{
  if (!tree) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!tree->HasElement(names[i])) return E_FAIL;
    ZALMPDeserializer* child = nullptr;
    if (FAILED(tree->GetElement(names[i], child)) || !child) {
      ZALMP_REPORT();
      return E_FAIL;
    }
    std::wstring id;
    if (FAILED(child->GetAttribute(L"id", id))) return E_FAIL;  // reported by the element
    const auto found = ids.find(id);
    if (found == ids.end() || !found->second) return E_FAIL;
    values[i] = RVLSharedHandle<ZALMPValue>(found->second);
  }
  return S_OK;
}

HRESULT ZALMPSerializationServices::Deserialize(const ZALMPDeserializer* tree, const std::wstring& name,
                                                const ZALMPIdentifierMap& ids, RVLSharedHandle<ZALMPValue>& value)
{
  value.Release();
  if (!tree) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  RVLSharedHandle<ZALMPValue> resolved;
  if (FAILED(Deserialize(tree, {name}, ids, &resolved)) || !resolved) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  value = resolved;
  return S_OK;
}

HRESULT ZALMPSerializationServices::Deserialize(ZALMPDeserializer*& tree, const std::wstring& name,
                                                const ZALMPIdentifierMap&, ZALMathPoint& point)
{
  return ReadTriple(tree, [&](const ZALMPFieldReader& in) { return in.Point(name, point); });
}

HRESULT ZALMPSerializationServices::Deserialize(ZALMPDeserializer*& tree, const std::wstring& name,
                                                const ZALMPIdentifierMap&, ZALMathVector& vector)
{
  return ReadTriple(tree, [&](const ZALMPFieldReader& in) { return in.Vector(name, vector); });
}

HRESULT ZALMPSerializationServices::ConvertToCString(const std::wstring& text, char*& result)
{
  // A std::wstring always has character storage, so only the allocation can
  // fail. The buffer holds the whole UTF-8 text, which may be longer than the
  // wide text when it leaves ASCII.
  result = nullptr;
  const std::string narrow = ZALUnicodeString(text).ConvertToChar();
  char* buffer = static_cast<char*>(std::malloc(narrow.size() + 1));
  if (!buffer) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  std::memcpy(buffer, narrow.c_str(), narrow.size() + 1);
  result = buffer;
  return S_OK;
}

std::wstring ZALMPSerializationServices::to_wstring(int value)
{
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return to_wstring(text);
}

std::wstring ZALMPSerializationServices::to_wstring(const char* text)
{
  return ZALUnicodeString(text).ConvertToWChar();
}

std::string ZALMPSerializationServices::to_type(const std::wstring& elementId)
{
  std::wstring name = elementId;
  for (const DigitName& digitName : kDigitNames)
    if (name == digitName.elementId) name = digitName.classSuffix;
  return std::string(kClassPrefix) + ZALUnicodeString(name).ConvertToChar();
}

std::wstring ZALMPSerializationServices::to_element_id(const char* className)
{
  std::string_view name = className ? className : "";
  if (name.starts_with(kClassPrefix)) name.remove_prefix(kClassPrefix.size());
  const std::wstring suffix = ZALUnicodeString(std::string(name).c_str()).ConvertToWChar();
  for (const DigitName& digitName : kDigitNames)
    if (suffix == digitName.classSuffix) return digitName.elementId;
  return suffix;
}

std::wstring_view ZALMPSerializationServices::ElementIdOf(const char* className)
{
  thread_local std::unordered_map<const char*, std::wstring> known;
  const auto found = known.find(className);
  if (found != known.end()) return found->second;
  return known.emplace(className, to_element_id(className)).first->second;
}

HRESULT ZALMPSerializationServices::ParseWBEquation(const std::wstring& text, ZALWBFactory* factory,
                                                    ZALWBEquation*& equation)
{
  equation = nullptr;
  ZALWBModel model;
  ZALCDSArray<int> equationIds;
  ZALWBParserMessenger messenger;

  char* narrow = nullptr;
  if (FAILED(ConvertToCString(text, narrow))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  const std::unique_ptr<char, decltype(&std::free)> ownedText(narrow, &std::free);

  if (FAILED(ZALWBParser::Parse(narrow, model, equationIds, messenger, ZALWBParser::BlackBoxes::Refuse))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (!factory) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (FAILED(model.FillFactory(factory, equationIds, 0, nullptr, nullptr))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  if (equationIds.GetSize() != 1) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  equation = factory->GetEquationById(equationIds[0]);
  return S_OK;
}

HRESULT ZALMPSerializationServices::PrintWBEquation(ZALWBEquation* equation, std::wstring& text)
{
  if (!equation) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  ZALCDSString printed;
  if (FAILED(ZALWBEquationPrinter::Print(equation, printed))) {
    ZALMP_REPORT();
    return E_FAIL;
  }
  text = to_wstring(printed.CastToCharPtr());
  return S_OK;
}
