// A support and its one target. That the target is written only when set and
// read through the identifier map is pinned by the kept documents of the kind
// conformance test; an identifier the map does not hold is skipped by the
// link table, checked with the geometries.

#include <ZALMPBody.h>
#include <ZALMPSupport.h>

#include <gtest/gtest.h>

namespace {

TEST(Support, KeepsItsTargetWhenOrphanedAndACopyHasNone)
{
  RVLSharedHandle<ZALMPSupport> support = ZALMPSupport::create(L"bearing");
  const RVLSharedHandle<ZALMPSupport> kept = support;
  const RVLSharedHandle<ZALMPBody> target = ZALMPBody::create(L"shaft");
  RVLSharedHandle<ZALMPEntity> got = target;
  EXPECT_EQ(E_FAIL, support->GetTarget(got));
  EXPECT_FALSE(got) << "none set, none given";

  EXPECT_EQ(S_OK, support->SetTarget(target));
  const RVLSharedHandle<ZALMPSupport> copy = ZALMPSupport::clone(support);
  ASSERT_TRUE(copy);
  EXPECT_EQ(E_FAIL, copy->GetTarget(got));
  ZALMPSupport::destroy(support);
  EXPECT_EQ(S_OK, kept->GetTarget(got)) << "the target stays";
  EXPECT_TRUE(got == target);
  EXPECT_EQ(S_OK, kept->SetTarget(nullptr));
  EXPECT_EQ(E_FAIL, kept->GetTarget(got)) << "an empty handle clears it";
}

}  // namespace
