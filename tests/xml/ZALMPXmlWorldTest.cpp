#include "ZALMPTestSupport.h"

#include <ZALMPXml.h>

#include <ZALMPBody.h>
#include <ZALMPMaterial.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The document around a hand-written "World" content.
std::string Document(const std::string& world, const std::string& version = "R2018.1")
{
  return "<ZALMPModel xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"" + version + "\"><World>" + world +
         "</World></ZALMPModel>";
}

TEST(XmlWorld, ReadersSkipWhatTheyCannotMakeSayWhereKeepEachEntityWithItsElementAndTheMissingGlobals)
{
  // The first body has no identifier and is dropped; the second must still
  // read its own element, not the first one. A material cannot be made by name.
  // The globals the document leaves out stay the world's own.
  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(Document("<Globals><GlobalTime id=\"t\"/></Globals><Variables><Variable id=\"t\" "
                                      "name=\"Clock\"/></Variables><Bodies><Body name=\"Dropped\"><Weight><Mass>1"
                                      "</Mass></Weight></Body><Body id=\"kept\" name=\"Kept\"><Weight><Mass>7.5"
                                      "</Mass></Weight></Body></Bodies><Materials><Material id=\"m\" name=\"Steel\"/>"
                                      "</Materials>"),
                             model)
                  .Ok());
  ASSERT_EQ(1, model.world->Count<ZALMPBody>());
  RVLSharedHandle<ZALMPBody> body;
  model.world->Get<ZALMPBody>(0, body);
  EXPECT_EQ(L"Kept", body->getEntityName());
  double mass = 0;
  body->GetMass(mass);
  EXPECT_EQ(7.5, mass);
  EXPECT_EQ(0, model.world->Count<ZALMPMaterial>());
  for (const wchar_t* where : {L"Bodies[0] <Body>", L"Materials[0] <Material id=\"m\">"}) {
    const bool warned = std::any_of(model.warnings.begin(), model.warnings.end(), [where](const ZALMPXmlWarning& w) {
      return w.element.rfind(where, 0) == 0 && !w.source.empty() && w.line > 0;
    });
    EXPECT_TRUE(warned) << "no warning at " << where;
  }
  RVLSharedHandle<ZALMPVariable> time;
  model.world->GetGlobalTime(time);
  model.world->GetGlobalBody(body);
  EXPECT_EQ(L"Clock", time->getEntityName());
  EXPECT_EQ(L"GlobalBody", body->getEntityName());
}

TEST(XmlWorld, BadDocumentsGiveAnErrorAndNoWorld)
{
  ZALMPXmlModel model;
  ASSERT_TRUE(ZALMPXml::Read(Document(""), model).Ok());
  const ZALMPWorld* kept = model.world.get();

  const struct {
    const char* what;
    std::string text;
    const char* expected;
  } cases[] = {
      {"malformed", "<ZALMPModel>\n  <World>\n</ZALMPModel>", "line 3"},
      {"another root", "<Model><World/></Model>", "<Model>"},
      {"no world", "<ZALMPModel/>", "<World>"},
      {"unknown version", Document("", "R1999.0"), "R1999.0"},
      // A global of the wrong kind, after a damaged global and a replaced one: the element and
      // both kinds are named, and nothing is left behind (the sanitizer build checks for leaks).
      {"wrong kind",
       Document("<Globals><GlobalBody name=\"x\"/><GlobalAxisSystem id=\"a\"/><GlobalTime id=\"b\"/></Globals>"
                "<Bodies><Body id=\"b\"/></Bodies><Geometries><AxisSystem id=\"a\"/></Geometries>"),
       "Globals[2] <GlobalTime id=\"b\"> refers to a ZALMPBody where a ZALMPVariable is expected"},
  };
  for (const auto& bad : cases) {
    const ZALMPXmlResult result = ZALMPXml::Read(bad.text, model);
    EXPECT_FALSE(result.Ok()) << bad.what;
    const std::string where = result.message + " line " + std::to_string(result.line);
    EXPECT_NE(std::string::npos, where.find(bad.expected)) << bad.what << ": " << where;
    EXPECT_EQ(kept, model.world.get()) << bad.what;  // the caller's model is untouched
  }
}

TEST(XmlWorld, EveryLoadOfADamagedDocumentEndsInAWorldOrAnError)
{
  std::ifstream in(std::filesystem::path(ZALMP_TEST_DATA_DIR) / "demo-R2018.1.xml", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(text.empty());

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

TEST(XmlWorld, LoadReadsAFileWhateverItsSizeSaysAndNamesOneItCannotRead)
{
  std::ifstream in(std::filesystem::path(ZALMP_TEST_DATA_DIR) / "demo-R2018.1.xml", std::ios::binary);
  const std::string demo((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ZALMPXmlModel expected;
  ASSERT_TRUE(ZALMPXml::Read(demo, expected).Ok());
  std::string expectedText;
  ASSERT_TRUE(ZALMPXml::Write(*expected.world, expectedText).Ok());
  const auto written = [](const ZALMPXmlModel& model) {
    std::string text;
    EXPECT_TRUE(model.world && ZALMPXml::Write(*model.world, text).Ok());
    return text;
  };

  const std::filesystem::path directory =
      std::filesystem::temp_directory_path() / ("zalmp-load-" + std::to_string(::getpid()));
  std::filesystem::create_directories(directory);
  // Trailing spaces carry the document past the sizes the text grows through
  // when the file cannot tell its size beforehand.
  const std::string padded = demo + std::string(300'000, '\n');

  // a plain file, with the bytes read reported up to its size
  const std::filesystem::path file = directory / "model.xml";
  std::ofstream(file, std::ios::binary) << padded;
  ZALMPXmlModel fromFile;
  std::uint64_t bytes = 0, total = 0;
  const ZALMPXmlResult loaded = ZALMPXml::Load(file, fromFile, [&](ZALMPXmlProgressUnit unit, auto done, auto all) {
    if (unit == ZALMPXmlProgressUnit::Bytes) bytes = done, total = all;
  });
  ASSERT_TRUE(loaded.Ok()) << loaded.message;
  EXPECT_EQ(expectedText, written(fromFile));
  EXPECT_EQ(padded.size(), bytes);
  EXPECT_EQ(padded.size(), total);

  // a pipe, whose size is not known before its end
  const std::filesystem::path pipe = directory / "model.pipe";
  ASSERT_EQ(0, ::mkfifo(pipe.c_str(), 0600));
  std::thread writer([&pipe, &padded] { std::ofstream(pipe, std::ios::binary) << padded; });
  ZALMPXmlModel fromPipe;
  const ZALMPXmlResult piped = ZALMPXml::Load(pipe, fromPipe);
  writer.join();
  ASSERT_TRUE(piped.Ok()) << piped.message;
  EXPECT_EQ(expectedText, written(fromPipe));

  // a file that is not there: named with the system's reason, the model kept
  const ZALMPWorld* const kept = fromFile.world.get();
  const ZALMPXmlResult missing = ZALMPXml::Load(directory / "missing.xml", fromFile);
  EXPECT_FALSE(missing.Ok());
  EXPECT_EQ("cannot read \"" + (directory / "missing.xml").string() + "\": No such file or directory", missing.message);
  EXPECT_EQ(kept, fromFile.world.get());
  std::filesystem::remove_all(directory);
}

}  // namespace
