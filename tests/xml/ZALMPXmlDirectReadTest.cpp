// A plain document is read straight into the tree, without the XML parser;
// the tree is exactly the parser's, and whatever the direct reading does not
// take is left to the parser, which reads it as before.

#include "ZALMPKeptDocuments.h"
#include "ZALMPTestSupport.h"
#include "ZALMPTreeDifference.h"
#include "ZALMPXmlEscape.h"
#include "ZALMPXmlReadPaths.h"

#include <ZALMPXmlCodec.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace {

std::vector<std::wstring> AttributeIds(std::string_view text)
{
  return AttributeIdsIn(text, [](std::string_view name) { return ZALMPXmlEscape::Decode(name, true); });
}

// Empty when the direct reading takes `text` and makes the parser's tree.
std::string DirectReadProblem(std::string_view text)
{
  std::unique_ptr<ZALMPXmlReader> direct;
  std::unique_ptr<ZALMPXmlReader> parsed;
  if (!ZALMPXmlReadPaths::ReadDirect(text, direct)) return "not taken";
  if (!ZALMPXmlReadPaths::ReadParsed(text, parsed)) return "taken, but malformed";
  const ReportCapture missingValues;
  return TreeDifference(*parsed, *direct, AttributeIds(text));
}

TEST(XmlDirectRead, EveryKeptDocumentGivesTheParsersTree)
{
  int documents = 0;
  int taken = 0;
  for (const std::filesystem::path& path : KeptDocuments()) {
    const std::string text = FileContent(path);
    std::unique_ptr<ZALMPXmlReader> direct;
    std::unique_ptr<ZALMPXmlReader> parsed;
    const bool wellFormed = ZALMPXmlReadPaths::ReadParsed(text, parsed);
    ++documents;
    if (!ZALMPXmlReadPaths::ReadDirect(text, direct)) continue;
    ++taken;
    ASSERT_TRUE(wellFormed) << path;
    const ReportCapture missingValues;
    EXPECT_EQ("", TreeDifference(*parsed, *direct, AttributeIds(text))) << path;
  }
  // the library's own documents are all plain; the seeds include foreign ones
  EXPECT_GT(documents, 200);
  EXPECT_GT(taken, documents * 3 / 4) << taken << " of " << documents;
}

TEST(XmlDirectRead, ReferencesEscapesVersionsAndMixedContentAreReadAsByTheParser)
{
  const std::string_view documents[] = {
      // references in texts and attributes, and escapes in names, texts and values
      R"(<?xml version="1.0"?><r a="x &amp; &lt;y&gt; &#65;&#x42;" b='"&apos;'><t>1 &lt; 2 &quot;&#x263A;</t></r>)",
      "<r><a_x0020_b c_x0041_d=\"_x0009_v\">_x0020_padded_x0020_</a_x0020_b><_x_>x_x</_x_><e>&#95;x41_</e></r>",
      // whitespace alone is dropped, whitespace around a text is kept
      "<r>\n  <a>  padded  </a>\n  <b> </b>\n\t<c>\n x\n</c>  \n</r>\n",
      // mixed content joins in order, references resolved piece by piece
      "<r>one<a/>two &amp;<b>in</b>_x<!-- c -->0041_</r>",
      "<r>first<!-- between -->second</r>",
      "<r>  <!-- c -->  <a>x</a>  tail  </r>",
      // the bookkeeping attributes; a version passes to the children
      R"(<r xmlns:zalmp="urn:zalmp:element-tree" zalmp:version="R2016.1"><a zalmp:empty="true"/>)"
      R"(<b zalmp:empty="true"></b><c zalmp:empty="true">kept</c><d zalmp:version="R2099 custom"><e/></d><f/></r>)",
      R"(<r xmlns="urn:x" p:q="1" xmlns:p="urn:p"><a  x = "1"	y='2'/></r>)",
      // comments and whitespace around the root, self-closing root
      "<!-- before -->\n<r/>\n<!-- after -->\n",
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r a=\"1\" />",
      "<r><a>1</a><a>2</a><b><a>3</a></b><a>4</a></r>",
      // elements holding one text, next to what looks like one
      "<r><a>x_y</a><b>1</b ><c>tail<d/></c><e>_x0041_</e><f>a&amp;b</f><g> 2</g><ab>3</ab><a>4</a></r>",
      R"(<r xmlns:zalmp="urn:zalmp:element-tree" zalmp:version="R2016.1"><p zalmp:version="R2099 custom">)"
      R"(<v>1</v></p><w>2</w></r>)",
      "<r>\xC3\xA9t\xC3\xA9<\xC3\xA9l\xC3\xA9ment \xC3\xA0=\"\xE4\xB8\x96\">\xF0\x9F\x98\x80</\xC3\xA9l\xC3\xA9ment></r>",
      "<r><a>\xFF\xFE bad UTF-8</a></r>",
  };
  for (const std::string_view document : documents) EXPECT_EQ("", DirectReadProblem(document)) << document;
}

TEST(XmlDirectRead, WhatItDoesNotTakeIsReadByTheParserAsBefore)
{
  // well formed, each built partly before the direct reading gives up
  const std::string_view wellFormed[] = {
      "<r a=\"1\"><b c=\"2\">x</b><![CDATA[<c>]]></r>",
      "<r a=\"1\"><b>x</b>\r\n<c/></r>",
      "<r a=\"1\"><b c=\"x\ty\"/></r>",
      "<r a=\"1\"><b/><?pi x?></r>",
      "<r a=\"1\"><b/></r>trailing text",
      "\xEF\xBB\xBF<r/>",
      "<!DOCTYPE r><r/>",
      " <?xml version=\"1.0\"?><r/>",
  };
  for (const std::string_view document : wellFormed) {
    std::unique_ptr<ZALMPXmlReader> direct;
    EXPECT_FALSE(ZALMPXmlReadPaths::ReadDirect(document, direct)) << document;
    std::unique_ptr<ZALMPXmlReader> read;
    std::unique_ptr<ZALMPXmlReader> parsed;
    ASSERT_TRUE(ZALMPXmlCodec::Read(document, read).Ok()) << document;
    ASSERT_TRUE(ZALMPXmlReadPaths::ReadParsed(document, parsed)) << document;
    const ReportCapture missingValues;
    EXPECT_EQ("", TreeDifference(*parsed, *read, AttributeIds(document))) << document;
  }

  // malformed: the parser's error, with its place
  const std::string_view malformed[] = {
      "<r><a></b></r>", "<r a=\"1\" a=\"2\"/>", "<r a=\"<\"/>", "<r>&bad;</r>", "<r/><s/>", "<r>", "", "<r a=1/>",
  };
  for (const std::string_view document : malformed) {
    std::unique_ptr<ZALMPXmlReader> direct;
    EXPECT_FALSE(ZALMPXmlReadPaths::ReadDirect(document, direct)) << document;
    std::unique_ptr<ZALMPXmlReader> read;
    EXPECT_FALSE(ZALMPXmlCodec::Read(document, read).Ok()) << document;
  }
  std::unique_ptr<ZALMPXmlReader> read;
  const ZALMPXmlResult repeated = ZALMPXmlCodec::Read("<r>\n <a b=\"1\" b=\"2\"/></r>", read);
  EXPECT_EQ("attribute \"b\" given twice", repeated.message);
  EXPECT_EQ(2, repeated.line);
  EXPECT_EQ(11, repeated.column);
}

}  // namespace
