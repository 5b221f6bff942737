// How a body reads its element. What it writes at each version, and that
// every field and link comes back, is pinned by the kind conformance test.

#include "ZALMPTestSupport.h"
#include "ZALMPTreeRoundTrip.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPBody.h>
#include <ZALMPVersion.h>

#include <RVLBasicBody3D.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BodyPersistence, ReadingMovesABoundHostBodyAndKnowsOnlyAVelocityWithAPositiveComponent)
{
  ReportCapture reports;
  const ZALMathTransformation placement(ZALMath3x3Matrix({0, 1, 0}, {-1, 0, 0}, {0, 0, 1}), ZALMathVector(1, -2, 0.5));
  const struct {
    ZALMathVector linear, angular;
    bool known;
  } cases[] = {{{1, 0, -2}, {}, true}, {{}, {0, 0, 0.5}, true}, {{-1, 0, 0}, {0, -3, 0}, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << &c - cases);
    RVLSharedHandle<ZALMPBody> source = ZALMPBody::create(L"Crank");
    source->SetPosition(placement, 1);
    source->SetVelocity(c.linear, c.angular);
    HRESULT written = E_FAIL;
    const std::string document = WriteXml(*source, ZALMPVersion::kNewest, written);

    RVLSharedHandle<ZALMPBody> read = ZALMPBody::create();
    RVLSharedHandle<RVLBasicBody3D> host = RVLBasicBody3D::create(L"host");
    read->SetWDMBody(host);
    ASSERT_EQ(S_OK, read->Deserialize(ReadXml(document).get(), {}));
    ZALMathTransformation hostPlacement;
    host->GetPosition(hostPlacement);
    EXPECT_EQ(placement, hostPlacement);
    ZALMathVector linear, angular;
    EXPECT_EQ(c.known ? S_OK : E_FAIL, read->GetVelocity(linear, angular));
    ZALMPBody::destroy(source);
    ZALMPBody::destroy(read);
    RVLBasicBody3D::destroy(host);
  }
  EXPECT_EQ(0, reports.Count());
}

TEST(BodyPersistence, OnlyYesFixesOutOfWorldIsReadFromR2016_1OnAndTheElementIsRequired)
{
  ReportCapture reports;
  RVLSharedHandle<ZALMPBody> source = ZALMPBody::create(L"Crank");
  source->SetOutOfWorld(true);
  source->Fix();
  HRESULT written = E_FAIL;
  const std::string document = WriteXml(*source, ZALMPVersion::kR2016_1, written);
  const struct {
    const char* what;
    std::string document;
    bool outOfWorld, fixed;
  } cases[] = {
      {"as written", document, true, true},
      {"labelled older", Replaced(document, "\"R2016.1\"", "\"R2016.0\""), false, true},
      {"fixed in capitals", Replaced(document, "is_fixed=\"yes\"", "is_fixed=\"YES\""), true, false},
  };
  for (const auto& c : cases) {
    RVLSharedHandle<ZALMPBody> read = ZALMPBody::create();
    read->Fix();
    EXPECT_EQ(S_OK, read->Deserialize(ReadXml(c.document).get(), {})) << c.what;
    bool outOfWorld = !c.outOfWorld;
    read->IsOutOfWorld(outOfWorld);
    EXPECT_EQ(c.outOfWorld, outOfWorld) << c.what;
    EXPECT_EQ(c.fixed, read->IsFixed()) << c.what;
    ZALMPBody::destroy(read);
  }
  EXPECT_EQ(0, reports.Count());

  ZALMPXmlWriter empty;
  EXPECT_EQ(E_FAIL, source->Deserialize(ReadBack(empty).get(), {})) << "no Body element";
  EXPECT_EQ(E_FAIL, source->Deserialize(nullptr, {}));
  EXPECT_EQ(E_FAIL, source->Serialize(nullptr));
  EXPECT_EQ(3, reports.Count());
  ZALMPBody::destroy(source);
}

}  // namespace
