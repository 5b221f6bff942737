#pragma once
#include <ZALMPXmlCodec.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

/// The reader tree of what `root` wrote, through its XML text: what a model
/// file gives back.
inline std::unique_ptr<ZALMPXmlReader> ReadBack(const ZALMPXmlWriter& root)
{
  std::unique_ptr<ZALMPXmlReader> read;
  const ZALMPXmlResult result = ZALMPXmlCodec::Read(ZALMPXmlCodec::Write(root), read);
  EXPECT_TRUE(result.Ok()) << result.message;
  return read;
}
