#include <MYRSysConverter.h>
#include <ZALSysTSCodePage.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(Base64, EncodesAndDecodesTheStandardVectorsThroughBothConverters)
{
  const std::pair<std::string, const char*> vectors[] = {
      {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
      {std::string("\0\xFF\xFE", 3), "AP/+"}};  // zero, high bytes, + and /
  for (const auto& [text, encoded] : vectors) {
    const std::vector<unsigned char> plain(text.begin(), text.end());
    std::string written;
    std::vector<unsigned char> bytes{1, 2};
    ASSERT_EQ(S_OK, ZALSysTSCodePage::ConvertToBase64(plain.data(), static_cast<int>(plain.size()), written)) << text;
    EXPECT_EQ(encoded, written) << text;
    ASSERT_EQ(S_OK, ZALSysTSCodePage::ConvertFromBase64(encoded, bytes)) << encoded;
    EXPECT_EQ(plain, bytes) << encoded;
    ASSERT_EQ(S_OK, MYRSysConverter::ConvertToBase64(plain.data(), static_cast<int>(plain.size()), written)) << text;
    ASSERT_EQ(S_OK, MYRSysConverter::ConvertFromBase64(written, bytes)) << encoded;
    EXPECT_EQ(plain, bytes) << encoded;
  }
}

TEST(Base64, RefusesInvalidInputWithAnEmptyResult)
{
  // wrong length, misplaced or excess padding, bits set after the last byte, characters outside the alphabet
  const std::string invalid[] = {"Zg=",  "Zg=a", "Z===", "Zg==Zm9v", "Zh==",
                                 "Zm9=", "Zm-v", "Zm9 ", std::string("Zm\0v", 4), "Zm\xC3\xA9"};
  for (const std::string& text : invalid) {
    std::vector<unsigned char> bytes{42};
    EXPECT_EQ(E_FAIL, ZALSysTSCodePage::ConvertFromBase64(text, bytes)) << '"' << text << '"';
    EXPECT_TRUE(bytes.empty()) << '"' << text << '"';
    EXPECT_EQ(E_FAIL, MYRSysConverter::ConvertFromBase64(text, bytes)) << '"' << text << '"';
  }

  std::string text = "old";
  EXPECT_EQ(E_FAIL, ZALSysTSCodePage::ConvertToBase64(nullptr, 3, text));
  EXPECT_EQ(E_FAIL, MYRSysConverter::ConvertToBase64("abc", -1, text));
  EXPECT_TRUE(text.empty());
  EXPECT_EQ(S_OK, MYRSysConverter::ConvertToBase64(nullptr, 0, text));
}

}  // namespace
