#include <ZALMPXmlCodec.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(XmlMalformed, EveryDefectGivesAnErrorWithItsLineAndColumnAndNoTree)
{
  const struct {
    const char* what;
    std::string text;
    int line;
    int column;
  } cases[] = {
      {"truncated", "<World>\n  <Body id=\"a\">\n    <X>1", 3, 8},
      {"wrong nesting", "<World>\n  <Body>\n  </World>\n</Body>", 3, 5},
      {"unknown entity", "<World>\n  <Name>Grüße &nbsp; here</Name>\n</World>", 2, 15},
      {"entity after a line break inside a text", "<World>\n  <Name>a\r\nb &amp; c &bogus;</Name>\n</World>", 3, 11},
      {"entity in an attribute", "<World>\n  <Body name=\"a &amp; b &c\"/>\n</World>", 2, 25},
      {"bare ampersand", "<World>Tom & Jerry</World>", 1, 12},
      {"character reference to nothing XML allows", "<World>&#0;</World>", 1, 8},
      {"character reference beyond Unicode", "<World>&#x110000;</World>", 1, 8},
      {"attribute given twice", "<World>\n  <Body a=\"1\" a=\"2\"/>\n</World>", 2, 15},
      {"'<' in an attribute", "<World a=\"x<y\"/>", 1, 12},
      {"two root elements", "<World/>\n<World/>", 2, 2},
      {"only white space", " \n ", 2, 1},
  };
  for (const auto& c : cases) {
    auto kept = std::make_unique<ZALMPXmlReader>();
    const ZALMPXmlReader* const before = kept.get();
    const ZALMPXmlResult result = ZALMPXmlCodec::Read(c.text, kept);
    EXPECT_EQ(E_FAIL, result.status) << c.what;
    EXPECT_FALSE(result.message.empty()) << c.what;
    EXPECT_EQ(c.line, result.line) << c.what << ": " << result.message;
    EXPECT_EQ(c.column, result.column) << c.what << ": " << result.message;
    EXPECT_EQ(before, kept.get()) << c.what;
  }
}

TEST(XmlMalformed, ForeignButWellFormedDocumentsAreRead)
{
  // references, CDATA, comments and layout white space written by other tools
  const std::string text =
      "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- made by hand -->\n"
      "<World a='&#x4E16;&#30028;' xmlns='urn:other'>\n"
      "  <Name><![CDATA[<raw> & ]]>text &lt;&gt;&apos;&quot;</Name>\n"
      "  <Empty><![CDATA[]]></Empty>\n"
      "  <Bare></Bare>\n"
      "</World>\n";
  std::unique_ptr<ZALMPXmlReader> read;
  const ZALMPXmlResult result = ZALMPXmlCodec::Read(text, read);
  ASSERT_TRUE(result) << result.message;
  std::wstring value;
  EXPECT_EQ(S_OK, read->GetAttribute(L"a", value));
  EXPECT_EQ(L"世界", value);
  ZALMPDeserializer* child = nullptr;
  EXPECT_EQ(S_OK, read->GetElement(L"Name", child, value));
  EXPECT_EQ(L"<raw> & text <>'\"", value);
  EXPECT_EQ(S_OK, read->GetElement(L"Empty", child, value));
  EXPECT_EQ(L"", value);
  EXPECT_TRUE(read->HasElement(L"Bare"));
  EXPECT_EQ(E_FAIL, read->GetElement(L"Bare", child, value));  // no text: no value
}

}  // namespace
