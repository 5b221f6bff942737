// A model document is read entity by entity: the tree holds the world's frame
// and each entity element without its content, which is built just before the
// entity reads itself. The world, its warnings and every error are exactly
// those of reading the whole tree first, which remains the way for whatever
// the direct reading does not take.

#include "ZALMPKeptDocuments.h"
#include "ZALMPModelReading.h"
#include "ZALMPTestSupport.h"
#include "ZALMPTreeDifference.h"
#include "ZALMPXmlEscape.h"
#include "ZALMPXmlReadPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// How `text` reads: whether entity by entity, and whether ZALMPXml::Read
// then gives what reading the whole tree first gives.
struct Reading {
  bool entityByEntity = false;
  bool sameAsWhole = false;
  std::string whole;
};

Reading Read(std::string_view text)
{
  Reading reading;
  ZALMPXmlModel whole;
  const ZALMPXmlResult expected = ZALMPXmlReadPaths::ReadWorldWhole(text, whole);
  reading.whole = DescribeModelRead(expected, whole);
  ZALMPXmlModel byEntity;
  ZALMPXmlResult result;
  reading.entityByEntity = ZALMPXmlReadPaths::ReadWorldEntityByEntity(text, byEntity, result);
  ZALMPXmlModel model;
  const ZALMPXmlResult read = ZALMPXml::Read(text, model);
  reading.sameAsWhole = DescribeModelRead(read, model) == reading.whole &&
                        (!reading.entityByEntity || DescribeModelRead(result, byEntity) == reading.whole);
  return reading;
}

const std::string& Demo()
{
  static const std::string demo = FileContent(ZALMP_TEST_DATA_DIR "/demo-R2018.1.xml");
  return demo;
}

// The demo with its collection `moved` (from its start tag to the next
// collection's) placed before the collection `before`.
std::string DemoMoving(std::string_view moved, std::string_view next, std::string_view before)
{
  std::string text = Demo();
  const std::size_t from = text.find(moved);
  const std::size_t to = text.find(next);
  EXPECT_TRUE(from != std::string::npos && to != std::string::npos && from < to);
  const std::string piece = text.substr(from, to - from);
  text.erase(from, to - from);
  text.insert(text.find(before), piece);
  return text;
}

// The demo with `from` (its first occurrence) replaced by `to`.
std::string DemoWith(std::string_view from, std::string_view to)
{
  std::string text = Demo();
  const std::size_t at = text.find(from);
  EXPECT_NE(std::string::npos, at) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(XmlEntityByEntity, EveryKeptDocumentReadsAsFromItsWholeTree)
{
  int documents = 0;
  int byEntity = 0;
  for (const std::filesystem::path& path : KeptDocuments()) {
    const ReportCapture quiet;
    const Reading reading = Read(FileContent(path));
    ++documents;
    byEntity += reading.entityByEntity;
    EXPECT_TRUE(reading.sameAsWhole) << path;
  }
  EXPECT_GT(documents, 200);
  EXPECT_GT(byEntity, documents / 2) << byEntity << " of " << documents;
}

TEST(XmlEntityByEntity, WhatOnlyTheContentOfAnEntityHoldsReadsAsFromTheWholeTree)
{
  const ReportCapture quiet;
  const struct {
    std::string text;
    bool entityByEntity;
  } cases[] = {
      // markup the skipping of contents must step over
      {DemoWith("<OutOfWorld>", "<!-- <a> </Body> --><OutOfWorld a='>' b=\"/>\">"), true},
      {DemoWith("<OutOfWorld>false</OutOfWorld>", "<OutOfWorld/>"), true},
      // an entity element without content, or with a version of its own
      {DemoWith("<Geometry id=\"e014\" name=\"GlobalAxisSystem\"/>\n        </Geometries>\n      </Body>",
                "<Geometry id=\"e014\" name=\"GlobalAxisSystem\"/>\n        </Geometries>\n      </Body><Body id=\"x1\"/>"),
       true},
      {DemoWith("<Body id=\"e004\"", "<Body zalmp:version=\"R2016.0\" id=\"e004\""), true},
      {DemoWith("<Joints>", "<Joints zalmp:version=\"R2016.0\">"), true},
      // collections in another order than the one they are read in
      {DemoMoving("\n    <Shapes>", "\n    <Joints>", "\n    <Bodies>"), true},
      {DemoMoving("\n    <Attributes>", "\n  </World>", "\n    <Geometries>"), true},
      // what the direct reading gives up on, inside one entity: read whole
      {DemoWith("<OutOfWorld>false", "<OutOfWorld><![CDATA[false]]>"), false},
      {DemoWith("<Mass>0</Mass>", "<Mass a=\"\t\">0</Mass>"), false},
      {DemoWith("<Mass>0</Mass>", "<?pi?><Mass>0</Mass>"), false},
      // malformed inside an entity that is read, or one that is never read
      {DemoWith("<Mass>0</Mass>", "<Mass>&bogus;</Mass>"), false},
      {DemoWith("<Mass>0</Mass>", "<Mass>0</Weight>"), false},
      {DemoWith("<Body id=\"e004\"", "<Unknown id=\"e004\"><a></b></Unknown><Body id=\"x2\""), false},
      {DemoWith("<Body id=\"e004\"", "<Body id=\"e004\" id=\"e005\""), false},
  };
  for (const auto& [text, entityByEntity] : cases) {
    const Reading reading = Read(text);
    EXPECT_EQ(entityByEntity, reading.entityByEntity) << reading.whole.substr(0, 200);
    EXPECT_TRUE(reading.sameAsWhole) << reading.whole.substr(0, 200);
  }
}

// Joint `n` of a chain: its id, name, two bodies and a limit of n / 2.
std::string Joint(int n)
{
  const std::string number = std::to_string(n);
  return "      <Revolute id=\"j" + number + "\" name=\"joint" + number + "\">\n        <Bodies>\n" +
         "          <Body id=\"b" + std::to_string(2 * n - 1) + "\" bodyOrientation=\"Out\"/>\n" +
         "          <Body id=\"b" + std::to_string(2 * n) + "\" bodyOrientation=\"In\"/>\n        </Bodies>\n" +
         "        <Limit>" + (n % 2 ? number + "/2" : std::to_string(n / 2)) + "</Limit>\n      </Revolute>\n";
}

// Joints 1 and 3 of one shape, with `second` between them.
std::string Joints(std::string_view second)
{
  return "<ZALMPModel>\n  <World>\n    <Joints>\n" + Joint(1) + std::string(second) + Joint(3) +
         "    </Joints>\n  </World>\n</ZALMPModel>\n";
}

// Joint 2, with `from` replaced by `to`.
std::string Second(std::string_view from = "", std::string_view to = "")
{
  std::string text = Joint(2);
  if (!from.empty()) {
    const std::size_t at = text.find(from);
    EXPECT_NE(std::string::npos, at) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
  }
  return text;
}

// An entity of the last one's shape is read into that one's tree, which then
// holds exactly what a tree built anew holds, read from its start; an entity
// of any other shape, or one whose texts need decoding, is built anew.
TEST(XmlEntityByEntity, AnEntityOfTheLastOnesShapeIsReadAsIfItsTreeWereNew)
{
  const struct {
    std::string second;
    bool refilled;
  } cases[] = {
      {Second(), true},
      {Second("id=\"j2\" name=\"joint2\"", "id=\"a-much-longer-identifier-of-the-joint\" name=\"\""), true},
      {Second("<Limit>1</Limit>", "<Limit>-1.25e+300</Limit >"), true},
      {Second("<Revolute id=\"j2\" name=\"joint2\">", "<Revolute  id = 'j2'\n name=\"sec'ond\"  >"), true},
      {Second("bodyOrientation=\"In\"/>", "bodyOrientation=\"In\"  />"), true},
      {Second("\n        <Limit>", "<Limit>"), true},
      // another shape
      {Second("id=\"j2\" name=\"joint2\"", "name=\"joint2\" id=\"j2\""), false},
      {Second("name=\"joint2\"", "name=\"joint2\" isActive=\"yes\""), false},
      {Second(" name=\"joint2\"", ""), false},
      {Second("</Bodies>", "<Body id=\"b9\"/></Bodies>"), false},
      {Second("<Body id=\"b4\" bodyOrientation=\"In\"/>", ""), false},
      {Second("<Limit>1</Limit>", "<Limits>1</Limits>"), false},
      {Second("<Limit>1</Limit>", "<Limit/>"), false},
      {Second("<Limit>1</Limit>", "<Limit></Limit>"), false},
      {Second("bodyOrientation=\"In\"/>", "bodyOrientation=\"In\"></Body>"), false},
      // texts the builder decodes or keeps apart
      {Second("name=\"joint2\"", "name=\"s&amp;econd\""), false},
      {Second("name=\"joint2\"", "name=\"s_x0041_\""), false},
      {Second("<Limit>1</Limit>", "<Limit>_x0031_</Limit>"), false},
      {Second("<Limit>1</Limit>", "<Limit> 1</Limit>"), false},
      {Second("<Limit>1</Limit>", "<Limit>1<!-- one --></Limit>"), false},
      {Second("<Bodies>", "<Bodies>text"), false},
      {Second("<Bodies>", "<Bodies><!-- none -->"), false},
      {Second("<Bodies>", "<Bodies zalmp:version=\"R2016.0\">"), false},
      {Second("<Revolute id", "<Revolute zalmp:version=\"R2016.0\" id"), false},
  };
  for (const auto& [second, refilled] : cases) {
    const std::string text = Joints(second);
    std::unique_ptr<ZALMPXmlReader> whole;
    ASSERT_TRUE(ZALMPXmlReadPaths::ReadDirect(text, whole)) << second;
    ZALMPDeserializer* world = nullptr;
    ZALMPDeserializer* joints = nullptr;
    whole->GetElement(L"World", world);
    ASSERT_TRUE(world);
    world->GetElement(L"Joints", joints);
    ASSERT_TRUE(joints);
    // as the world asks for them, each taking the collection's version
    std::vector<const ZALMPDeserializer*> built;
    for (int i = 0; i < 3; ++i) {
      ZALMPDeserializer* joint = nullptr;
      joints->GetElement(L"Revolute", joint);
      built.push_back(joint);
    }
    const std::vector<std::wstring> attributeIds =
        AttributeIdsIn(text, [](std::string_view name) { return ZALMPXmlEscape::Decode(name, true); });

    std::vector<bool> refills;
    std::vector<std::wstring> firstBodies;
    const bool read = ZALMPXmlReadPaths::VisitEntityTrees(text, [&](const ZALMPDeserializer& entity, bool isRefill) {
      const std::size_t at = refills.size();
      refills.push_back(isRefill);
      if (at < built.size()) {
        EXPECT_EQ("", TreeDifference(*built[at], entity, attributeIds)) << at << " " << second;
      }
      // each starts its bodies from the first, whatever the one before read
      ZALMPDeserializer* bodies = nullptr;
      ZALMPDeserializer* body = nullptr;
      entity.GetElement(L"Bodies", bodies);
      if (bodies) bodies->GetElement(L"Body", body);
      std::wstring id;
      if (body) body->GetAttribute(L"id", id);
      firstBodies.push_back(id);
    });
    ASSERT_TRUE(read) << second;
    ASSERT_EQ(3u, refills.size());
    EXPECT_FALSE(refills[0]);
    EXPECT_EQ(refilled, refills[1]) << second;
    EXPECT_EQ(std::vector<std::wstring>({L"b1", L"b3", L"b5"}), firstBodies) << second;
  }
}

}  // namespace
