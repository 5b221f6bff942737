#include <ZALMPXmlCodec.h>
#include <ZALMPTestSupport.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Texts from characters that XML carries plainly, must escape, or cannot carry at all.
const std::wstring kPieces[] = {
    L"Body", L"x", L"X", L"_", L"_x", L"_x41_", L"_x_", L"xml", L"XmL", L"1", L"-", L".", L":", L" ", L"  ",
    L"<", L">", L"&", L"&amp;", L"\"", L"'", L"\t", L"\n", L"\r\n", L"é", L"世界", L"😀", L"]]>",
    std::wstring(1, L'\0'), std::wstring(1, static_cast<wchar_t>(1)), std::wstring(1, static_cast<wchar_t>(0xD800)),
    std::wstring(1, static_cast<wchar_t>(0xFFFE)), std::wstring(1, static_cast<wchar_t>(0x110000)),
    std::wstring(1, static_cast<wchar_t>(-2))};

TEST(XmlRoundTrip, AwkwardIdsTextsVersionsAndDoublesReadBackUnchanged)
{
  // Each piece alone and run together with others, and the empty text, as the
  // id and text of an element nested in the one before, the id and text of its
  // attribute and, on every third, a version of its own (known or not). The
  // innermost holds a child without a value, which an empty text is not.
  std::vector<std::wstring> texts{L""};
  const std::size_t count = std::size(kPieces);
  for (std::size_t i = 0; i < count; ++i) {
    texts.push_back(kPieces[i]);
    texts.push_back(kPieces[i] + kPieces[(i + 1) % count] + L" " + kPieces[(i + 7) % count]);
  }
  auto versionOf = [](std::size_t i) -> std::wstring {
    return i % 2 ? std::wstring(L"R2019.9 ß") : std::wstring(ZALMPVersion::kAll[i % ZALMPVersion::kAll.size()]);
  };
  ZALMPXmlWriter root;
  ZALMPSerializer* parent = &root;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    ZALMPSerializer* element = nullptr;
    ASSERT_EQ(S_OK, parent->AddElement(texts[i], element, texts[i])) << i;
    element->AddAttribute(texts[i], texts[i]);
    if (i % 3 == 0) element->SetVersion(versionOf(i));
    parent = element;
  }
  ZALMPSerializer* bare = nullptr;
  ASSERT_EQ(S_OK, parent->AddElement(L"Bare", bare));
  const double numbers[] = {0.1, 1.0 / 3, -1e300, 2.5e-12, 6.02214076e23, 123456.789e-3};
  for (const double number : numbers) {
    ZALMPSerializer* element = nullptr;
    root.AddElement(L"Number", element, number);
  }

  std::unique_ptr<ZALMPXmlReader> read;
  const ZALMPXmlResult result = ZALMPXmlCodec::Read(ZALMPXmlCodec::Write(root), read);
  ASSERT_TRUE(result) << result.message;
  const ZALMPDeserializer* readParent = read.get();
  std::wstring version(ZALMPVersion::kNewest);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    ZALMPDeserializer::ElementIterator begin, end;
    readParent->GetElements(texts[i], begin, end);
    ASSERT_EQ(1, end - begin) << i;
    const ZALMPDeserializer* element = *begin;
    std::wstring text, attribute, readVersion;
    EXPECT_EQ(S_OK, element->GetValue(text)) << i;
    EXPECT_EQ(texts[i], text) << i;
    EXPECT_EQ(S_OK, element->GetAttribute(texts[i], attribute)) << i;
    EXPECT_EQ(texts[i], attribute) << i;
    if (i % 3 == 0) version = versionOf(i);
    element->GetVersion(readVersion);
    EXPECT_EQ(version, readVersion) << i;
    readParent = element;
  }
  ZALMPDeserializer* readBare = nullptr;
  std::wstring text = L"unset";
  ReportCapture reports;
  EXPECT_EQ(E_FAIL, readParent->GetElement(L"Bare", readBare, text));
  EXPECT_NE(nullptr, readBare);
  ZALMPDeserializer::ElementIterator begin, end;
  read->GetElements(L"Number", begin, end);
  ASSERT_EQ(static_cast<std::ptrdiff_t>(std::size(numbers)), end - begin);
  for (std::size_t i = 0; i < std::size(numbers); ++i) {
    double number = 0.0;
    EXPECT_EQ(S_OK, begin[static_cast<std::ptrdiff_t>(i)]->GetValue(number)) << numbers[i];
    EXPECT_EQ(ZALMPSerializer::Quantise(numbers[i]), number) << numbers[i];
  }
}

TEST(XmlRoundTrip, TheDocumentShowsIdsValuesAndVersionsPlainly)
{
  ZALMPXmlWriter root;
  root.SetVersion(ZALMPVersion::kR2017_1);
  ZALMPSerializer* body = nullptr;
  root.AddElement(L"Body", body);
  body->AddAttribute(L"name", L"Wheel & <Axle>");
  body->AddAttribute(L"count", 2);
  body->AddAttribute(L"count", 3);  // XML keeps one attribute of a name: the last value
  auto add = [body](std::wstring_view id, auto... value) {
    ZALMPSerializer* child = nullptr;
    body->AddElement(id, child, value...);
    return child;
  };
  add(L"Mass", 2.5);
  add(L"Label", L"");
  add(L"Fixed", true);
  add(L"Note", L" spaced ")->SetVersion(ZALMPVersion::kR2018_1);
  add(L"2D:shape");
  add(L"", 7);

  EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<_x_ xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"R2017.1\">\n"
            "  <Body name=\"Wheel &amp; &lt;Axle&gt;\" count=\"3\">\n"
            "    <Mass>2.5</Mass>\n"
            "    <Label zalmp:empty=\"true\"/>\n"
            "    <Fixed>true</Fixed>\n"
            "    <Note zalmp:version=\"R2018.1\">&#32;spaced&#32;</Note>\n"
            "    <_x32_D_x3A_shape/>\n"
            "    <_x_>7</_x_>\n"
            "  </Body>\n"
            "</_x_>\n",
            ZALMPXmlCodec::Write(root));
}

}  // namespace
