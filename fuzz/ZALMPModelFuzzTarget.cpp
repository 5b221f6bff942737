// A model document from arbitrary bytes: reading never crashes, leaks or
// hangs, and a world it accepts is written again and reads back.

#include <ZALMPXml.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  ZALMPXmlModel model;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (FAILED(ZALMPXml::Read(text, model).status)) return 0;
  std::string written;
  if (FAILED(ZALMPXml::Write(*model.world, written).status)) std::abort();
  ZALMPXmlModel again;
  if (FAILED(ZALMPXml::Read(written, again).status)) std::abort();
  return 0;
}
