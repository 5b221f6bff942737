// Documents whose "Globals" replace only some of a new world's globals: the
// load either keeps a whole world or fails cleanly, and in both cases nothing
// is left behind (the sanitizer build checks for leaks: the constructor-made
// global body and axis system hold each other).

#include <ZALMPBody.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Document(const std::string& globals)
{
  return "<ZALMPModel xmlns:zalmp=\"urn:zalmp:element-tree\" zalmp:version=\"R2018.1\"><World>"
         "<Globals>" +
         globals +
         "</Globals>"
         "<Bodies><Body id=\"b\" name=\"Read\"/></Bodies>"
         "<Geometries><AxisSystem id=\"a\" name=\"Axes\"/></Geometries>"
         "<Variables><Variable id=\"t\" name=\"Clock\"/></Variables>"
         "</World></ZALMPModel>";
}

TEST(XmlGlobals, APartialOrWrongGlobalsElementLeavesNothingBehind)
{
  // The axis system is replaced, the body element is damaged and the time
  // names a body: a wrong kind, the load fails after a global was replaced.
  ZALMPXmlModel failed;
  const ZALMPXmlResult wrongKind = ZALMPXml::Read(
      Document("<GlobalBody name=\"x\"/><GlobalAxisSystem id=\"a\"/><GlobalTime id=\"b\"/>"), failed);
  EXPECT_FALSE(wrongKind.Ok());
  EXPECT_NE(std::string::npos, wrongKind.message.find("GlobalTime")) << wrongKind.message;
  EXPECT_FALSE(failed.world);

  // Only the time is replaced: the world keeps its own body and axis system.
  ZALMPXmlModel partial;
  ASSERT_TRUE(ZALMPXml::Read(Document("<GlobalTime id=\"t\"/>"), partial).Ok());
  RVLSharedHandle<ZALMPVariable> time;
  RVLSharedHandle<ZALMPBody> body;
  partial.world->GetGlobalTime(time);
  partial.world->GetGlobalBody(body);
  EXPECT_EQ(L"Clock", time->getEntityName());
  EXPECT_EQ(L"GlobalBody", body->getEntityName());
  EXPECT_EQ(1, partial.world->Count<ZALMPBody>()) << "only the body read is filed";
}

}  // namespace
