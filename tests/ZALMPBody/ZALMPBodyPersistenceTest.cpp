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

// Out of the world is read from R2016.1 on, fixed only for the text "yes", the
// velocity is known only once a component is positive, and the placement goes
// through SetPosition, so that a bound host body follows.
TEST(BodyPersistence, ReadingGatesOutOfWorldOnTheVersionAndKnowsOnlyYesAndAPositiveVelocity)
{
  ReportCapture reports;
  const ZALMathTransformation placement(ZALMath3x3Matrix({0, 1, 0}, {-1, 0, 0}, {0, 0, 1}), ZALMathVector(1, -2, 0.5));
  RVLSharedHandle<ZALMPBody> source = ZALMPBody::create(L"Crank");
  source->SetOutOfWorld(true);
  source->Fix();
  source->SetPosition(placement, 1);
  source->SetVelocity(ZALMathVector(-1, 0, 0), ZALMathVector(0, -3, 0));
  HRESULT written = E_FAIL;
  const std::string document = WriteXml(*source, ZALMPVersion::kR2016_1, written);
  const struct {
    const char* what;
    std::string document;
    bool outOfWorld, fixed, velocityKnown;
  } cases[] = {
      {"as written", document, true, true, false},
      {"labelled older", Replaced(document, "\"R2016.1\"", "\"R2016.0\""), false, true, false},
      {"fixed in capitals", Replaced(document, "is_fixed=\"yes\"", "is_fixed=\"YES\""), true, false, false},
      {"a positive linear component", Replaced(document, "<Vx>-1</Vx>", "<Vx>1</Vx>"), true, true, true},
      {"a positive angular component", Replaced(document, "<Vy>-3</Vy>", "<Vy>0.5</Vy>"), true, true, true},
  };
  for (const auto& c : cases) {
    RVLSharedHandle<ZALMPBody> read = ZALMPBody::create();
    RVLSharedHandle<RVLBasicBody3D> host = RVLBasicBody3D::create(L"host");
    read->SetWDMBody(host);
    read->Fix();
    EXPECT_EQ(S_OK, read->Deserialize(ReadXml(c.document).get(), {})) << c.what;
    bool outOfWorld = !c.outOfWorld;
    read->IsOutOfWorld(outOfWorld);
    EXPECT_EQ(c.outOfWorld, outOfWorld) << c.what;
    EXPECT_EQ(c.fixed, read->IsFixed()) << c.what;
    ZALMathVector linear, angular;
    EXPECT_EQ(c.velocityKnown ? S_OK : E_FAIL, read->GetVelocity(linear, angular)) << c.what;
    ZALMathTransformation hostPlacement;
    host->GetPosition(hostPlacement);
    EXPECT_EQ(placement, hostPlacement) << c.what;
    ZALMPBody::destroy(read);
    RVLBasicBody3D::destroy(host);
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
