// A robot description from arbitrary bytes: importing never crashes, leaks or
// hangs, and a world it accepts exports to a description that imports again.

#include <ZALMPUrdf.h>
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
  if (!ZALMPUrdf::Import(text, model)) return 0;
  std::string exported;
  if (!ZALMPUrdf::Export(*model.world, exported)) std::abort();
  ZALMPXmlModel again;
  if (!ZALMPUrdf::Import(exported, again)) std::abort();
  return 0;
}
