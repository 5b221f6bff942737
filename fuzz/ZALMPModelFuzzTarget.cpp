// A model document from arbitrary bytes: reading never crashes, leaks or
// hangs, a world it accepts is written again and reads back, and reading it
// entity by entity gives exactly what reading its whole tree first gives.

#include "ZALMPModelReading.h"
#include "ZALMPXmlReadPaths.h"

#include <ZALMPXml.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ZALMPXmlModel byEntity;
  ZALMPXmlResult result;
  if (ZALMPXmlReadPaths::ReadWorldEntityByEntity(text, byEntity, result)) {
    ZALMPXmlModel whole;
    const std::string expected = DescribeModelRead(ZALMPXmlReadPaths::ReadWorldWhole(text, whole), whole);
    const std::string read = DescribeModelRead(result, byEntity);
    if (read != expected) {
      std::fprintf(stderr, "read entity by entity:\n%s\nread whole:\n%s\n", read.c_str(), expected.c_str());
      std::abort();
    }
  }

  ZALMPXmlModel model;
  if (FAILED(ZALMPXml::Read(text, model).status)) return 0;
  std::string written;
  if (FAILED(ZALMPXml::Write(*model.world, written).status)) std::abort();
  ZALMPXmlModel again;
  if (FAILED(ZALMPXml::Read(written, again).status)) std::abort();
  return 0;
}
