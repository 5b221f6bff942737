#pragma once
#include <MYRSysConverter.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

/// The bytes kept in the first attribute "stream" of the XML document `text`.
inline std::vector<unsigned char> StreamBytes(const std::string& text)
{
  std::smatch found;
  std::vector<unsigned char> bytes;
  EXPECT_TRUE(std::regex_search(text, found, std::regex("stream=\"([^\"]*)\""))) << text;
  EXPECT_EQ(S_OK, MYRSysConverter::ConvertFromBase64(found[1].str(), bytes)) << text;
  return bytes;
}

/// `text` with the first attribute "stream" keeping `bytes` instead.
inline std::string WithStream(const std::string& text, const std::vector<unsigned char>& bytes)
{
  std::string encoded;
  EXPECT_EQ(S_OK, MYRSysConverter::ConvertToBase64(bytes.data(), static_cast<int>(bytes.size()), encoded));
  return std::regex_replace(text, std::regex("stream=\"[^\"]*\""), "stream=\"" + encoded + "\"",
                            std::regex_constants::format_first_only);
}
