// A model document is read entity by entity: the tree holds the world's frame
// and each entity element without its content, which is built just before the
// entity reads itself. The world, its warnings and every error are exactly
// those of reading the whole tree first, which remains the way for whatever
// the direct reading does not take.

#include "ZALMPKeptDocuments.h"
#include "ZALMPModelReading.h"
#include "ZALMPTestSupport.h"
#include "ZALMPXmlReadPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

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

}  // namespace
