#include <MYRSysConverter.h>
#include <ZALSysTSCodePage.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Base64, EncodesAndDecodesTheStandardVectorsThroughBothConverters)
{
  const struct {
    std::string plain;
    const char* encoded;
  } vectors[] = {{"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"fooba", "Zm9vYmE="},
                 {"foobar", "Zm9vYmFy"}, {std::string("\0\xFF\xFE", 3), "AP/+"}};  // zero, high bytes, + and /
  for (const auto& v : vectors) {
    const std::vector<unsigned char> plain(v.plain.begin(), v.plain.end());
    std::string text;
    std::vector<unsigned char> bytes{1, 2};
    ASSERT_EQ(S_OK, ZALSysTSCodePage::ConvertToBase64(plain.data(), static_cast<int>(plain.size()), text)) << v.plain;
    EXPECT_EQ(v.encoded, text) << v.plain;
    ASSERT_EQ(S_OK, ZALSysTSCodePage::ConvertFromBase64(v.encoded, bytes)) << v.encoded;
    EXPECT_EQ(plain, bytes) << v.encoded;
    ASSERT_EQ(S_OK, MYRSysConverter::ConvertToBase64(plain.data(), static_cast<int>(plain.size()), text)) << v.plain;
    ASSERT_EQ(S_OK, MYRSysConverter::ConvertFromBase64(text, bytes)) << v.encoded;
    EXPECT_EQ(plain, bytes) << v.encoded;
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
