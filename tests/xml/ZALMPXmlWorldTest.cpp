#include "ZALMPTestSupport.h"

#include <ZALMPDemoMechanism.h>
#include <ZALMPXml.h>
#include <ZALMPXmlWriter.h>

#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPGeometry.h>
#include <ZALMPMaterial.h>
#include <ZALMPValue.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// A world in a host world, destroyed together at the end of the test.
struct OwnedWorld {
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Host");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  ~OwnedWorld()
  {
    ZALMPWorld::destroy(world);
    host->orphanObject();
  }
};

std::string Save(const ZALMPWorld& world, std::wstring_view version = ZALMPVersion::kNewest)
{
  std::string text;
  const ZALMPXmlResult result = ZALMPXml::Write(world, text, version);
  EXPECT_TRUE(result.Ok()) << result.message;
  return text;
}

// The document around a hand-written "World" content.
std::string Document(const std::string& world, const std::string& version = "R2018.1")
{
  return "<ZALMPModel xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"" + version + "\"><World>" + world +
         "</World></ZALMPModel>";
}

std::wstring NameAt(const ZALMPWorld& world, int index)
{
  RVLSharedHandle<ZALMPBody> body;
  world.Get<ZALMPBody>(index, body);
  return body ? body->getEntityName() : L"<none>";
}

// The entity elements of a saved world (its lines at the entity depth and
// below), sorted: equal for two saves that differ only in registry order.
std::vector<std::string> EntityBlocks(const std::string& text)
{
  std::vector<std::string> blocks;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const std::size_t depth = line.find_first_not_of(' ');
    const bool frame = depth < 6;  // the world's own lines
    const bool opensEntity = depth == 6 && line.size() > 7 && line[7] != '/';
    if (frame || opensEntity || blocks.empty())
      blocks.push_back(line);
    else
      blocks.back() += "\n" + line;
    start = end + 1;
  }
  std::sort(blocks.begin(), blocks.end());
  return blocks;
}

TEST(XmlWorld, WorldOfGlobalsOnlyReadsBackOntoThem)
{
  OwnedWorld source;
  source.world->SetLinearTolerance(0.25);
  source.world->SetGravity(ZALMathVector(0, -9.81, 0));
  const std::string text = Save(*source.world);

  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(text, model).Ok());
  const ZALMPWorld& read = *model.world;
  EXPECT_EQ(1, read.Count<ZALMPBody>());
  EXPECT_EQ(1, read.Count<ZALMPGeometry>());
  EXPECT_EQ(1, read.Count<ZALMPVariable>());
  EXPECT_EQ(0.25, read.GetLinearTolerance());
  ZALMathVector gravity;
  read.GetGravity(gravity);
  EXPECT_EQ(-9.81, gravity.GetY());

  // The global handles point at the entities read, which kept the saved identifiers.
  RVLSharedHandle<ZALMPBody> globalBody, filedBody, sourceBody;
  read.GetGlobalBody(globalBody);
  read.Get<ZALMPBody>(0, filedBody);
  source.world->GetGlobalBody(sourceBody);
  EXPECT_TRUE(globalBody == filedBody);
  std::wstring readId, sourceId;
  globalBody->GetIdentifier(readId);
  sourceBody->GetIdentifier(sourceId);
  EXPECT_EQ(sourceId, readId);
  RVLSharedHandle<ZALMPGeometry> filedAxis;
  RVLSharedHandle<ZALMPAxisSystem> globalAxis;
  read.Get<ZALMPGeometry>(0, filedAxis);
  read.GetGlobalAxisSystem(globalAxis);
  EXPECT_TRUE(filedAxis == globalAxis);
  EXPECT_TRUE(model.warnings.empty());
}

TEST(XmlWorld, EntitiesAreFiledInIdentifierOrderAndMaterialsAreSkipped)
{
  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(Document("<Bodies><Body id=\"b\" name=\"B\"/><Body id=\"a\" name=\"A\"/></Bodies>"
                                      "<Materials><Material id=\"m\" name=\"Steel\"/></Materials>"),
                             model)
                  .Ok());
  ASSERT_EQ(2, model.world->Count<ZALMPBody>());
  EXPECT_EQ(L"A", NameAt(*model.world, 0));
  EXPECT_EQ(L"B", NameAt(*model.world, 1));
  // A material cannot be made by name: reported while reading, never filed.
  EXPECT_EQ(0, model.world->Count<ZALMPMaterial>());
  const bool materialWarned = std::any_of(model.warnings.begin(), model.warnings.end(), [](const ZALMPXmlWarning& w) {
    return w.element.find(L"Materials[0]") != std::wstring::npos;
  });
  EXPECT_TRUE(materialWarned);

  // Without "Globals" the constructor-made globals stay the handles, unfiled.
  RVLSharedHandle<ZALMPBody> global;
  model.world->GetGlobalBody(global);
  ASSERT_TRUE(global);
  EXPECT_EQ(L"GlobalBody", global->getEntityName());
  EXPECT_EQ(0, model.world->Count<ZALMPVariable>());
}

TEST(XmlWorld, EachEntityReadsTheElementItWasMadeFrom)
{
  // The first body has no identifier and is dropped; the second must still
  // read its own element, not the first one.
  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(Document("<Bodies><Body name=\"Dropped\"><Weight><Mass>1</Mass></Weight></Body>"
                                      "<Body id=\"kept\" name=\"Kept\"><Weight><Mass>7.5</Mass></Weight></Body>"
                                      "</Bodies>"),
                             model)
                  .Ok());
  ASSERT_EQ(1, model.world->Count<ZALMPBody>());
  RVLSharedHandle<ZALMPBody> body;
  model.world->Get<ZALMPBody>(0, body);
  EXPECT_EQ(L"Kept", body->getEntityName());
  double mass = 0;
  body->GetMass(mass);
  EXPECT_EQ(7.5, mass);
  const bool droppedWarned = std::any_of(model.warnings.begin(), model.warnings.end(), [](const ZALMPXmlWarning& w) {
    return w.element.rfind(L"Bodies[0] <Body>", 0) == 0 && !w.source.empty() && w.line > 0;
  });
  EXPECT_TRUE(droppedWarned);
}

TEST(XmlWorld, BadDocumentsGiveAnErrorAndNoWorld)
{
  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(Document(""), model).Ok());
  const ZALMPWorld* kept = model.world.get();

  struct Case {
    const char* what;
    std::string text;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"malformed", "<ZALMPModel>\n  <World>\n</ZALMPModel>", "line 3"},
      {"another root", "<Model><World/></Model>", "<Model>"},
      {"no world", "<ZALMPModel/>", "<World>"},
      {"unknown version", Document("", "R1999.0"), "R1999.0"},
      // A global of the wrong kind: the element and both kinds are named.
      {"wrong kind", Document("<Globals><GlobalBody id=\"t\"/></Globals><Variables><Variable id=\"t\"/></Variables>"),
       "Globals[0] <GlobalBody id=\"t\"> refers to a ZALMPVariable where a ZALMPBody is expected"},
  };
  for (const Case& bad : cases) {
    const ZALMPXmlResult result = ZALMPXml::Read(bad.text, model);
    EXPECT_FALSE(result.Ok()) << bad.what;
    const std::string where = result.message + " line " + std::to_string(result.line);
    EXPECT_NE(std::string::npos, where.find(bad.expected)) << bad.what << ": " << where;
    EXPECT_EQ(kept, model.world.get()) << bad.what;  // the caller's model is untouched
  }
}

TEST(XmlWorld, CommitsAlongTheWayDoNotChangeTheStreamedDocument)
{
  // The same elements, built whole and streamed with commits along the way.
  auto fill = [](ZALMPXmlWriter& root, bool commit) {
    ZALMPSerializer *doc = nullptr, *list = nullptr;
    root.AddElement(L"Doc", doc);
    doc->AddAttribute(L"a", 1);
    doc->AddElement(L"List", list);
    for (int i = 0; i < 3; ++i) {
      ZALMPSerializer *item = nullptr, *leaf = nullptr;
      list->AddElement(L"Item", item);
      item->AddElement(L"Value", leaf, i * 0.5);
      if (commit) list->Commit();
    }
    ZALMPSerializer* tail = nullptr;
    doc->AddElement(L"Tail", tail, std::wstring_view(L"end"));
    return std::make_pair(doc, list);
  };
  auto write = [&fill](bool commit) {
    std::string text;
    ZALMPXmlStreamedTree tree([&text](std::string_view piece) {
      text += piece;
      return true;
    });
    fill(tree.Root(), commit);
    EXPECT_TRUE(tree.Finish());
    return text;
  };
  const std::string whole = write(false);
  EXPECT_EQ(whole, write(true));
  EXPECT_NE(std::string::npos, whole.find(" a=\"1\">")) << whole;
  EXPECT_NE(std::string::npos, whole.find("<Value>1</Value>")) << whole;
  EXPECT_NE(std::string::npos, whole.find("<Tail>end</Tail>\n</Doc>")) << whole;
}

// A demo model saved, loaded and saved again.
class XmlDemoFile : public ::testing::Test {
protected:
  OwnedWorld demo;
  void SetUp() override { ASSERT_EQ(S_OK, ZALMPDemoMechanism::Build(demo.world)); }
};

TEST_F(XmlDemoFile, LoadingAndSavingAgainIsByteStableAtNewAndOldLayouts)
{
  for (std::wstring_view version : {ZALMPVersion::kR2018_1, ZALMPVersion::kR2016_1}) {
    const std::string first = Save(*demo.world, version);
    ZALMPXmlModel once, twice;
    ASSERT_TRUE(ZALMPXml::Read(first, once).Ok());
    const std::string second = Save(*once.world, version);
    ASSERT_TRUE(ZALMPXml::Read(second, twice).Ok());
    const std::string third = Save(*twice.world, version);
    EXPECT_EQ(second, third);

    // A load files by identifier, so only the order of entities may change once.
    // Before R2018.0 a value must carry a physical quantity: the demo's
    // boolean and text have none, so that layout keeps neither content.
    std::vector<std::string> kept = EntityBlocks(first), read = EntityBlocks(second);
    if (ZALMPVersion::IsBefore(version, ZALMPVersion::kR2018_0)) {
      auto lost = [](const std::string& block) {
        return block.rfind("      <Boolean", 0) == 0 || block.rfind("      <String", 0) == 0;
      };
      std::erase_if(kept, lost);
      std::erase_if(read, lost);
      EXPECT_FALSE(once.warnings.empty());
      for (const ZALMPXmlWarning& warning : once.warnings)
        EXPECT_TRUE(warning.element.find(L"<Boolean") != std::wstring::npos ||
                    warning.element.find(L"<String") != std::wstring::npos)
            << warning.source << ":" << warning.line;
    } else {
      EXPECT_TRUE(once.warnings.empty()) << once.warnings.size() << " warnings";
    }
    EXPECT_TRUE(kept == read) << "the entities of the first and second file differ";
    for (int kind = 0; kind < 3; ++kind) {
      const int counts[3][2] = {{demo.world->Count<ZALMPBody>(), once.world->Count<ZALMPBody>()},
                                {demo.world->Count<ZALMPGeometry>(), once.world->Count<ZALMPGeometry>()},
                                {demo.world->Count<ZALMPValue>(), once.world->Count<ZALMPValue>()}};
      EXPECT_EQ(counts[kind][0], counts[kind][1]) << "kind " << kind;
    }
  }
}

TEST_F(XmlDemoFile, FilesWithAtomicSaveAndDamagedCopiesNeverCrash)
{
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "zalmp-xml-world-test.xml";
  ASSERT_TRUE(ZALMPXml::Save(*demo.world, path).Ok());
  ZALMPXmlModel loaded;
  ASSERT_TRUE(ZALMPXml::Load(path, loaded).Ok());
  EXPECT_EQ(demo.world->Count<ZALMPBody>(), loaded.world->Count<ZALMPBody>());
  std::filesystem::remove(path);
  EXPECT_FALSE(ZALMPXml::Load(path, loaded).Ok());
  EXPECT_TRUE(loaded.world);

  // Every load of a damaged text ends in a world or an error, never worse.
  const std::string text = Save(*demo.world);
  ReportCapture reports;
  int worlds = 0, errors = 0;
  auto load = [&](const std::string& damaged) {
    ZALMPXmlModel model;
    const ZALMPXmlResult result = ZALMPXml::Read(damaged, model);
    (result.Ok() ? worlds : errors)++;
    EXPECT_EQ(result.Ok(), static_cast<bool>(model.world));
  };
  for (std::size_t length = 0; length < text.size(); length += 97) load(text.substr(0, length));
  std::mt19937 random(20261205);
  std::uniform_int_distribution<std::size_t> place(0, text.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 1000; ++round) {
    std::string damaged = text;
    for (int change = 0; change < 1 + round % 4; ++change) damaged[place(random)] = static_cast<char>(byte(random));
    load(damaged);
  }
  EXPECT_GT(worlds, 0);
  EXPECT_GT(errors, 0);
}

}  // namespace
