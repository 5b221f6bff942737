// The element trees as XML documents and back, in text and in files: what
// reads back unchanged, what the text shows, where a malformed document is
// wrong, and how a file is replaced.

#include <ZALMPXmlCodec.h>
#include <ZALMPXmlWriter.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Texts from characters that XML carries plainly, must escape, or cannot carry at all.
const std::wstring kPieces[] = {
    L"Body", L"x", L"X", L"_", L"_x", L"_x41_", L"_x_", L"xml", L"XmL", L"1", L"-", L".", L":", L" ", L"  ",
    L"<", L">", L"&", L"&amp;", L"\"", L"'", L"\t", L"\n", L"\r\n", L"é", L"世界", L"😀", L"]]>",
    std::wstring(1, L'\0'), std::wstring(1, static_cast<wchar_t>(1)), std::wstring(1, static_cast<wchar_t>(0xD800)),
    std::wstring(1, static_cast<wchar_t>(0xFFFE)), std::wstring(1, static_cast<wchar_t>(0x110000)),
    std::wstring(1, static_cast<wchar_t>(-2))};

// Each piece alone and run together with others, and the empty text, as the id
// and text of an element nested in the one before, the id and text of its
// attribute and, on every third, a version of its own (known or not). Elements
// without a value are ForeignButWellFormedDocumentsAreRead's, below.
TEST(XmlRoundTrip, AwkwardIdsTextsVersionsAndDoublesReadBackUnchanged)
{
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
    readParent = *begin;
    std::wstring text, attribute, readVersion;
    EXPECT_EQ(S_OK, readParent->GetValue(text)) << i;
    EXPECT_EQ(S_OK, readParent->GetAttribute(texts[i], attribute)) << i;
    readParent->GetVersion(readVersion);
    if (i % 3 == 0) version = versionOf(i);
    EXPECT_EQ(std::tie(texts[i], texts[i], version), std::tie(text, attribute, readVersion)) << i;
  }
  for (const double number : numbers) {
    ZALMPDeserializer* element = nullptr;
    double got = 0.0;
    EXPECT_EQ(S_OK, read->GetElement(L"Number", element, got)) << number;
    EXPECT_EQ(ZALMPSerializer::Quantise(number), got) << number;
  }
}

// Long plain runs are passed over several bytes at a time: each awkward piece,
// at every place of such a run, still reads back unchanged.
TEST(XmlRoundTrip, AwkwardPiecesInsideLongTextsReadBackUnchanged)
{
  const std::wstring run = L"PlainRunOfTwentyChar";
  ZALMPXmlWriter root;
  std::vector<std::wstring> texts;
  for (const std::wstring& piece : kPieces)
    for (std::size_t at = 0; at <= run.size(); ++at) {
      texts.push_back(run.substr(0, at) + piece + run.substr(at));
      ZALMPSerializer* element = nullptr;
      ASSERT_EQ(S_OK, root.AddElement(L"Text", element, texts.back())) << texts.size();
      element->AddAttribute(L"copy", texts.back());
    }

  std::unique_ptr<ZALMPXmlReader> read;
  const ZALMPXmlResult result = ZALMPXmlCodec::Read(ZALMPXmlCodec::Write(root), read);
  ASSERT_TRUE(result) << result.message;
  ZALMPDeserializer::ElementIterator begin, end;
  read->GetElements(L"Text", begin, end);
  ASSERT_EQ(texts.size(), static_cast<std::size_t>(end - begin));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    std::wstring text, copy;
    begin[static_cast<std::ptrdiff_t>(i)]->GetValue(text);
    begin[static_cast<std::ptrdiff_t>(i)]->GetAttribute(L"copy", copy);
    EXPECT_EQ(std::tie(texts[i], texts[i]), std::tie(text, copy)) << i;
  }
}

// The kept documents of the kind conformance and demo tests pin the layout of
// numbers, booleans and empty texts; here, what they do not hold.
TEST(XmlRoundTrip, TheDocumentShowsIdsValuesAndVersionsPlainly)
{
  ZALMPXmlWriter root;
  root.SetVersion(ZALMPVersion::kR2017_1);
  ZALMPSerializer* body = nullptr;
  root.AddElement(L"Body", body);
  body->AddAttribute(L"name", L"Wheel & <Axle>");
  body->AddAttribute(L"count", 2);
  body->AddAttribute(L"count", 3);  // XML keeps one attribute of a name: the last value
  ZALMPSerializer *note = nullptr, *escaped = nullptr, *unnamed = nullptr;
  body->AddElement(L"Note", note, L" spaced ");
  note->SetVersion(ZALMPVersion::kR2018_1);
  body->AddElement(L"2D:shape", escaped);
  body->AddElement(L"", unnamed, 7);

  EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<_x_ xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"R2017.1\">\n"
            "  <Body name=\"Wheel &amp; &lt;Axle&gt;\" count=\"3\">\n"
            "    <Note zalmp:version=\"R2018.1\">&#32;spaced&#32;</Note>\n"
            "    <_x32_D_x3A_shape/>\n"
            "    <_x_>7</_x_>\n"
            "  </Body>\n"
            "</_x_>\n",
            ZALMPXmlCodec::Write(root));
}

// A streamed tree reuses the elements it has written: an element made from
// one shows its own attributes and texts only, whatever the earlier held.
TEST(XmlRoundTrip, AStreamedTreeWritesEachElementAsItWasMade)
{
  std::string document;
  ZALMPXmlStreamedTree tree([&document](std::string_view piece) {
    document += piece;
    return true;
  });
  ZALMPSerializer* model = nullptr;
  ASSERT_EQ(S_OK, tree.Root().AddElement(L"Model", model));
  const std::wstring first = L"id-0123456789-abcdefghij-0123456789";
  const std::wstring second = L"id-9876543210-jihgfedcba-9876543210";  // as long as the first
  ZALMPSerializer* element = nullptr;
  ASSERT_EQ(S_OK, model->AddElement(L"Body", element));
  element->AddAttribute(L"id", first);
  element->AddAttribute(L"name", L"a name longer than sixteen bytes");
  element->AddAttribute(L"mass", 2.5);
  ZALMPSerializer* reference = nullptr;
  element->AddElement(L"Geometry", reference);
  reference->AddAttribute(L"id", second);
  ASSERT_EQ(S_OK, model->Commit());
  for (const std::wstring& id : {second, first}) {
    element = nullptr;
    ASSERT_EQ(S_OK, model->AddElement(L"Joint", element));
    element->AddAttribute(L"id", id);
    ASSERT_EQ(S_OK, model->Commit());
  }
  element = nullptr;
  ASSERT_EQ(S_OK, model->AddElement(L"Plain", element, L"text"));
  ASSERT_TRUE(tree.Finish());

  EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<Model xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"R2018.1\">\n"
            "  <Body id=\"id-0123456789-abcdefghij-0123456789\" name=\"a name longer than sixteen bytes\" mass=\"2.5\">\n"
            "    <Geometry id=\"id-9876543210-jihgfedcba-9876543210\"/>\n"
            "  </Body>\n"
            "  <Joint id=\"id-9876543210-jihgfedcba-9876543210\"/>\n"
            "  <Joint id=\"id-0123456789-abcdefghij-0123456789\"/>\n"
            "  <Plain>text</Plain>\n"
            "</Model>\n",
            document);
}

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
      "  <Bare></Bare><Closed/>\n"
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
  for (const wchar_t* bare : {L"Bare", L"Closed"}) {
    EXPECT_TRUE(read->HasElement(bare));
    EXPECT_EQ(E_FAIL, read->GetElement(bare, child, value)) << "no text: no value";
  }
}

// A directory of its own per test, and a tree of some size, so that a short
// write limit cuts it.
class XmlFile : public ::testing::Test {
protected:
  const std::filesystem::path directory = std::filesystem::temp_directory_path() /
                                          ("zalmp-xml-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
  const std::filesystem::path model = directory / "model.xml", missing = directory / "missing.xml";
  ZALMPXmlWriter root;

  void SetUp() override
  {
    std::filesystem::create_directories(directory);
    std::ofstream(model, std::ios::binary) << "old content";
    for (int i = 0; i < 200; ++i) {
      ZALMPSerializer* body = nullptr;
      root.AddElement(L"Body", body, L"Rad " + std::to_wstring(i) + L" ü");
    }
  }
  void TearDown() override { std::filesystem::remove_all(directory); }

  static std::string Content(const std::filesystem::path& path)
  {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::set<std::string> Entries() const
  {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) names.insert(entry.path().filename());
    return names;
  }
};

TEST_F(XmlFile, SaveReplacesTheFileAndLoadReadsItBack)
{
  const ZALMPXmlResult saved = ZALMPXmlCodec::Save(root, model);
  ASSERT_TRUE(saved) << saved.message;
  EXPECT_EQ(ZALMPXmlCodec::Write(root), Content(model));
  EXPECT_EQ(std::set<std::string>{"model.xml"}, Entries());

  std::unique_ptr<ZALMPXmlReader> read;
  const ZALMPXmlResult loaded = ZALMPXmlCodec::Load(model, read);
  ASSERT_TRUE(loaded) << loaded.message;
  ZALMPDeserializer::ElementIterator begin, end;
  read->GetElements(L"Body", begin, end);
  EXPECT_EQ(200, end - begin);

  // the same through the element classes' own operations: loading into a tree
  // replaces its whole content, and a failed load changes nothing
  ZALMPXmlWriter other;
  ZALMPSerializer* world = nullptr;
  other.AddElement(L"World", world, L"content");
  EXPECT_EQ(S_OK, world->Save(model.wstring()));
  ASSERT_EQ(S_OK, read->Load(model.wstring()));
  EXPECT_EQ(E_FAIL, read->Load(missing.wstring()));
  std::wstring text;
  read->GetId(text);
  EXPECT_EQ(L"World", text);
  EXPECT_FALSE(read->HasElement(L"Body"));
  read->GetValue(text);
  EXPECT_EQ(L"content", text);

  // a failed load names the file, or the place in it, and keeps the tree
  const ZALMPXmlReader* const before = read.get();
  const ZALMPXmlResult absent = ZALMPXmlCodec::Load(missing, read);
  EXPECT_FALSE(absent);
  EXPECT_NE(std::string::npos, absent.message.find("missing.xml")) << absent.message;
  std::ofstream(model, std::ios::binary) << "<World name=\"a\r\nb\">\n  <Body>&unknown;</Body>\n</World>";
  const ZALMPXmlResult broken = ZALMPXmlCodec::Load(model, read);
  EXPECT_FALSE(broken);
  EXPECT_EQ(3, broken.line) << broken.message;
  EXPECT_EQ(9, broken.column) << broken.message;
  EXPECT_EQ("bad entity or character reference", broken.message);
  EXPECT_EQ(before, read.get());
}

TEST_F(XmlFile, AFailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
  // a file size limit makes writing fail as a full disk would, whoever runs the test
  rlimit limit{};
  ASSERT_EQ(0, ::getrlimit(RLIMIT_FSIZE, &limit));
  const rlimit saved = limit;
  limit.rlim_cur = 256;
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(0, ::setrlimit(RLIMIT_FSIZE, &limit));
  const ZALMPXmlResult result = ZALMPXmlCodec::Save(root, model);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_FALSE(result);
  EXPECT_FALSE(result.message.empty());
  EXPECT_EQ("old content", Content(model));
  EXPECT_EQ(std::set<std::string>{"model.xml"}, Entries());

  // a target that cannot be replaced, and a place that does not exist
  std::filesystem::create_directory(directory / "taken");
  EXPECT_FALSE(ZALMPXmlCodec::Save(root, directory / "taken"));
  EXPECT_TRUE(std::filesystem::is_directory(directory / "taken"));
  EXPECT_EQ((std::set<std::string>{"model.xml", "taken"}), Entries());
  EXPECT_FALSE(ZALMPXmlCodec::Save(root, directory / "absent" / "model.xml"));
}

}  // namespace
