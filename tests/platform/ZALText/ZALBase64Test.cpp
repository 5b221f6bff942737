#include <MYRSysConverter.h>
#include <ZALSysTSCodePage.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(Base64, EncodesAndDecodesTheStandardVectors)
{
  const struct {
    const char* plain;
    const char* encoded;
  } vectors[] = {{"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},        {"foo", "Zm9v"},
                 {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}};
  for (const auto& v : vectors) {
    const std::string plain = v.plain;
    std::string text;
    ASSERT_EQ(S_OK, ZALSysTSCodePage::ConvertToBase64(plain.data(), static_cast<int>(plain.size()), text))
        << plain;
    EXPECT_EQ(v.encoded, text) << plain;
    ASSERT_EQ(S_OK, MYRSysConverter::ConvertToBase64(plain.data(), static_cast<int>(plain.size()), text))
        << plain;
    EXPECT_EQ(v.encoded, text) << plain;

    std::vector<unsigned char> bytes{1, 2};
    ASSERT_EQ(S_OK, ZALSysTSCodePage::ConvertFromBase64(v.encoded, bytes)) << v.encoded;
    EXPECT_EQ(Bytes(plain), bytes) << v.encoded;
    ASSERT_EQ(S_OK, MYRSysConverter::ConvertFromBase64(v.encoded, bytes)) << v.encoded;
    EXPECT_EQ(Bytes(plain), bytes) << v.encoded;
  }
}

TEST(Base64, RoundTripsBinaryBytesOfEveryValue)
{
  std::vector<unsigned char> all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<unsigned char>(255 - i));
  all.insert(all.end(), {0, 0, 0, 0});
  // every length up to a few groups, so each padding case meets zeros and high bytes
  for (std::size_t length = 0; length <= all.size(); length += length < 12 ? 1 : 61) {
    const std::vector<unsigned char> bytes(all.end() - static_cast<std::ptrdiff_t>(length), all.end());
    std::string text;
    ASSERT_EQ(S_OK, ZALSysTSCodePage::ConvertToBase64(bytes.data(), static_cast<int>(length), text)) << length;
    EXPECT_EQ((length + 2) / 3 * 4, text.size()) << length;
    std::vector<unsigned char> back;
    ASSERT_EQ(S_OK, ZALSysTSCodePage::ConvertFromBase64(text, back)) << text;
    EXPECT_EQ(bytes, back) << text;
  }
  std::string zeros;
  ASSERT_EQ(S_OK, MYRSysConverter::ConvertToBase64(all.data() + 256, 4, zeros));
  EXPECT_EQ("AAAAAA==", zeros);
}

TEST(Base64, RefusesInvalidInputWithAnEmptyResult)
{
  const std::string invalid[] = {"Zg=",      "Zg",       "Zg=a",     "Z===",     "====",     "Zh==",
                                 "Zm9=",     "Zm9v\n",   " Zm9v",    "Zm9 v",    "Zm-v",     "Zm_v",
                                 "Zg==Zm9v", "Zm9vYg=",  "Zm9v====", std::string("Zm\0v", 4), "Zm\xC3\xA9"};
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
