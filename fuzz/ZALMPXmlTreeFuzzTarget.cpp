// An element tree from arbitrary bytes: parsing never crashes, leaks or
// hangs, every typed read of every element and of its "id" attribute
// answers (a status, not a crash) whatever the text holds, and a document
// the direct reading takes gives exactly the XML parser's tree.

#include "ZALMPTreeDifference.h"
#include "ZALMPXmlEscape.h"
#include "ZALMPXmlReadPaths.h"

#include <ZALMPXmlCodec.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

void ReadOne(const ZALMPDeserializer& element)
{
  bool flag = false;
  std::int32_t integer = 0;
  double number = 0.0;
  std::wstring text;
  element.GetId(text);
  element.GetValue(flag);
  element.GetValue(integer);
  element.GetValue(number);
  element.GetValue(text);
  element.GetAttribute(L"id", integer);
  element.GetAttribute(L"id", number);
  element.GetAttribute(L"id", text);
  element.GetVersion(text);
}

// Iterative, so that a deeply nested document tests the library's depth, not this walk's.
void ReadEverything(const ZALMPDeserializer& root)
{
  std::vector<const ZALMPDeserializer*> pending{&root};
  std::vector<ZALMPDeserializer*> children;
  while (!pending.empty()) {
    const ZALMPDeserializer* element = pending.back();
    pending.pop_back();
    ReadOne(*element);
    children.clear();
    element->GetElements(children);
    pending.insert(pending.end(), children.begin(), children.end());
  }
}

// Aborts, naming the difference, when the direct reading takes `text` but
// the parser rejects it or makes another tree.
void CheckDirectReading(std::string_view text)
{
  std::unique_ptr<ZALMPXmlReader> direct;
  if (!ZALMPXmlReadPaths::ReadDirect(text, direct)) return;
  std::unique_ptr<ZALMPXmlReader> parsed;
  if (!ZALMPXmlReadPaths::ReadParsed(text, parsed)) {
    std::fprintf(stderr, "the direct reading takes a document the parser rejects\n");
    std::abort();
  }
  const auto decode = [](std::string_view name) { return ZALMPXmlEscape::Decode(name, true); };
  const std::string difference = TreeDifference(*parsed, *direct, AttributeIdsIn(text, decode));
  if (!difference.empty()) {
    std::fprintf(stderr, "the direct reading differs from the parser: %s\n", difference.c_str());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  std::unique_ptr<ZALMPXmlReader> root;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (ZALMPXmlCodec::Read(text, root).Ok()) ReadEverything(*root);
  CheckDirectReading(text);
  return 0;
}
