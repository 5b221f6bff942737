// A support and its one target: written only when set, read through the
// identifier map, kept when the support is orphaned, not carried by a copy.

#include "ZALMPTestSupport.h"
#include "ZALMPValueTestDoubles.h"

#include <ZALMPBody.h>
#include <ZALMPSupport.h>
#include <ZALMPVersion.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Support, WritesItsTargetOnlyWhenSetAndReadsItThroughTheMap)
{
  ReportCapture reports;
  const RVLSharedHandle<ZALMPSupport> support = ZALMPSupport::create(L"bearing");
  const RVLSharedHandle<ZALMPBody> target = ZALMPBody::create(L"shaft");
  HRESULT written = E_FAIL;
  const std::string none = WriteXml(*support, ZALMPVersion::kNewest, written);
  EXPECT_EQ(S_OK, written);
  EXPECT_EQ(std::string::npos, none.find("<Target")) << none;
  RVLSharedHandle<ZALMPEntity> got = target;
  const RVLSharedHandle<ZALMPSupport> readNone = ZALMPSupport::create();
  EXPECT_EQ(S_OK, readNone->Deserialize(ReadXml(none).get(), IdsOf({target})));
  EXPECT_EQ(E_FAIL, readNone->GetTarget(got));
  EXPECT_FALSE(got) << "no target written, none read";

  EXPECT_EQ(S_OK, support->SetTarget(target));
  const std::string one = WriteXml(*support, ZALMPVersion::kNewest, written);
  EXPECT_NE(std::string::npos, one.find("<Target id=")) << one;
  const RVLSharedHandle<ZALMPSupport> read = ZALMPSupport::create();
  EXPECT_EQ(S_OK, read->Deserialize(ReadXml(one).get(), IdsOf({target})));
  EXPECT_EQ(S_OK, read->GetTarget(got));
  EXPECT_TRUE(got == target);
  const RVLSharedHandle<ZALMPSupport> unknown = ZALMPSupport::create();
  EXPECT_EQ(S_OK, unknown->Deserialize(ReadXml(one).get(), {}));
  EXPECT_EQ(E_FAIL, unknown->GetTarget(got)) << "an identifier not in the map is passed over";
  EXPECT_EQ(0, reports.Count());

  ZALMPXmlWriter empty;
  EXPECT_EQ(E_FAIL, read->Deserialize(ReadXml(ZALMPXmlCodec::Write(empty)).get(), {})) << "no Support element";
  EXPECT_EQ(E_FAIL, read->Serialize(nullptr));
}

TEST(Support, KeepsItsTargetWhenOrphanedAndACopyHasNone)
{
  RVLSharedHandle<ZALMPSupport> support = ZALMPSupport::create(L"bearing");
  const RVLSharedHandle<ZALMPSupport> kept = support;
  const RVLSharedHandle<ZALMPBody> target = ZALMPBody::create(L"shaft");
  support->SetTarget(target);
  const RVLSharedHandle<ZALMPSupport> copy = ZALMPSupport::clone(support);
  RVLSharedHandle<ZALMPEntity> got;
  ASSERT_TRUE(copy);
  EXPECT_EQ(E_FAIL, copy->GetTarget(got));
  ZALMPSupport::destroy(support);
  EXPECT_EQ(S_OK, kept->GetTarget(got)) << "the target stays";
  EXPECT_EQ(S_OK, kept->SetTarget(nullptr));
  EXPECT_EQ(E_FAIL, kept->GetTarget(got)) << "an empty handle clears it";
}

}  // namespace
