#include <ZALMPXmlCodec.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include <sys/resource.h>
#include <unistd.h>

namespace {

class XmlFile : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_directory = std::filesystem::temp_directory_path() /
                  ("zalmp-xml-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_directory);
  }
  void TearDown() override { std::filesystem::remove_all(m_directory); }

  std::filesystem::path Path(const std::string& name) const { return m_directory / name; }

  static std::string Content(const std::filesystem::path& path)
  {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  static void Put(const std::filesystem::path& path, const std::string& content)
  {
    std::ofstream(path, std::ios::binary) << content;
  }

  std::set<std::string> Entries() const
  {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_directory)) names.insert(entry.path().filename());
    return names;
  }

  // A tree of some size, so that a short write limit cuts it.
  static void Fill(ZALMPXmlWriter& root)
  {
    for (int i = 0; i < 200; ++i) {
      ZALMPSerializer* body = nullptr;
      root.AddElement(L"Body", body, L"Rad " + std::to_wstring(i) + L" ü");
    }
  }

private:
  std::filesystem::path m_directory;
};

TEST_F(XmlFile, SaveReplacesTheFileAndLoadReadsItBack)
{
  ZALMPXmlWriter root;
  Fill(root);
  const std::filesystem::path model = Path("model.xml");
  Put(model, "old");

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
  EXPECT_EQ(E_FAIL, read->Load(Path("missing.xml").wstring()));
  std::wstring text;
  read->GetId(text);
  EXPECT_EQ(L"World", text);
  EXPECT_FALSE(read->HasElement(L"Body"));
  read->GetValue(text);
  EXPECT_EQ(L"content", text);

  // a failed load names the file, or the place in it, and keeps the tree
  const ZALMPXmlReader* const before = read.get();
  const ZALMPXmlResult missing = ZALMPXmlCodec::Load(Path("missing.xml"), read);
  EXPECT_FALSE(missing);
  EXPECT_NE(std::string::npos, missing.message.find("missing.xml")) << missing.message;
  Put(Path("broken.xml"), "<World name=\"a\r\nb\">\n  <Body>&unknown;</Body>\n</World>");
  const ZALMPXmlResult broken = ZALMPXmlCodec::Load(Path("broken.xml"), read);
  EXPECT_FALSE(broken);
  EXPECT_EQ(3, broken.line) << broken.message;
  EXPECT_EQ(9, broken.column) << broken.message;
  EXPECT_EQ("bad entity or character reference", broken.message);
  EXPECT_EQ(before, read.get());
}

TEST_F(XmlFile, AFailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
  ZALMPXmlWriter root;
  Fill(root);
  const std::filesystem::path model = Path("model.xml");
  Put(model, "old content");

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
  std::filesystem::create_directory(Path("taken"));
  EXPECT_FALSE(ZALMPXmlCodec::Save(root, Path("taken")));
  EXPECT_TRUE(std::filesystem::is_directory(Path("taken")));
  EXPECT_EQ((std::set<std::string>{"model.xml", "taken"}), Entries());
  EXPECT_FALSE(ZALMPXmlCodec::Save(root, Path("absent") / "model.xml"));
}

}  // namespace
