#include <ZALMPCompactText.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CompactText, EveryWideCodeUnitRoundTrips)
{
  // Fifteen bytes are the last length kept inline, sixteen the first one kept apart.
  const std::wstring texts[] = {L"", L"Body", L"fifteen bytes!!", L"sixteen bytes!!!", L"Grüße, 世界 😀",
                                std::wstring(L"nul\0inside", 10),
                                std::wstring{static_cast<wchar_t>(0xD800), L'x', static_cast<wchar_t>(0xDFFF)},
                                std::wstring{static_cast<wchar_t>(0x110000), static_cast<wchar_t>(0x7FFFFFFF)},
                                std::wstring{static_cast<wchar_t>(-1), static_cast<wchar_t>(0x80000000u)},
                                std::wstring(1000, L'é')};
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    const std::wstring& text = texts[i];
    const ZALMPCompactText encoded = ZALMPCompactText::FromWide(text);
    EXPECT_EQ(text, encoded.ToWide()) << "text " << i;
    ZALMPCompactText copy = encoded;
    ZALMPCompactText moved = std::move(copy);
    EXPECT_EQ(encoded, moved) << "text " << i;
    moved = moved;  // self-assignment keeps the content
    EXPECT_EQ(text, moved.ToWide()) << "text " << i;
  }
  // Unicode text is stored as its plain UTF-8
  EXPECT_EQ("Gr\xC3\xBC\xC3\x9F""e", ZALMPCompactText::FromWide(L"Grüße").View());
  EXPECT_EQ("Gr\xC3\xBC\xC3\x9F""e", ZALMPCompactText::FromUtf8("Gr\xC3\xBC\xC3\x9F""e").View());
  EXPECT_EQ(L"a\uFFFDb", ZALMPCompactText::FromUtf8("a\xFF" "b").ToWide());
  EXPECT_FALSE(ZALMPCompactText::IsUtf8("\xED\xA0\x80"));  // a surrogate is no UTF-8

  // Long ASCII runs are converted and checked in blocks: a unit or a damaged
  // byte at any place of a block is still seen.
  // Short texts are checked and copied a word from each end: every length up
  // to a block, with the damaged byte at every place.
  for (std::size_t size = 1; size <= 16; ++size) {
    for (std::size_t at = 0; at < size; ++at) {
      std::string bytes(size, 'a');
      for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('A' + i);
      EXPECT_TRUE(ZALMPCompactText::IsUtf8(bytes));
      bytes[at] = '\xFF';
      EXPECT_FALSE(ZALMPCompactText::IsUtf8(bytes)) << size << " at " << at;
      bytes[at] = 'a';
      std::wstring wide(size, L'a');
      wide[at] = L'é';
      EXPECT_EQ(wide, ZALMPCompactText::FromWide(wide).ToWide()) << size << " at " << at;
      // a text given its own tail is copied whole before it is overwritten
      ZALMPCompactText text(bytes);
      text.Assign(text.View().substr(at));
      EXPECT_EQ(bytes.substr(at), text.View()) << size << " from " << at;
    }
  }
  for (const std::size_t size : {std::size_t{20}, std::size_t{48}}) {
    for (std::size_t at = 0; at < size; ++at) {
      std::wstring text(size, L'a');
      for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<wchar_t>(L'!' + i);
      text[at] = L'é';
      EXPECT_EQ(text, ZALMPCompactText::FromWide(text).ToWide()) << size << " at " << at;
      std::string bytes(size, 'a');
      EXPECT_TRUE(ZALMPCompactText::IsUtf8(bytes));
      bytes[at] = '\xFF';
      EXPECT_FALSE(ZALMPCompactText::IsUtf8(bytes)) << size << " at " << at;
      EXPECT_EQ(L'\uFFFD', ZALMPCompactText::FromUtf8(bytes).ToWide()[at]) << size << " at " << at;
    }
  }
}

TEST(Version, ComparesPartByPartAndOnlyWholeVersions)
{
  EXPECT_TRUE(ZALMPVersion::IsBefore(ZALMPVersion::kR2015x_0, ZALMPVersion::kR2016_0));
  EXPECT_TRUE(ZALMPVersion::IsAtLeast(ZALMPVersion::kR2018_0, ZALMPVersion::kR2017_1));
  EXPECT_TRUE(ZALMPVersion::IsAtLeast(ZALMPVersion::kR2017_1, ZALMPVersion::kR2017_1));
  EXPECT_FALSE(ZALMPVersion::IsAtLeast(L"R2017", ZALMPVersion::kR2017_0));
}

}  // namespace
