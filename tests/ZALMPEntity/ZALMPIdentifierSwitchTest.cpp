// Each test runs in its own process with the environment that ctest gives it.
#include "ZALMPEntityTestDoubles.h"
#include "ZALMPTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(IdentifierSwitch, Uuid)
{
  const RVLSharedHandle<TestEntity> a = TestEntity::create(L"A");
  const RVLSharedHandle<TestEntity> b = TestEntity::create(L"A");
  std::wstring idA, idB;
  ASSERT_EQ(S_OK, a->GetIdentifier(idA));
  ASSERT_EQ(S_OK, b->GetIdentifier(idB));
  EXPECT_EQ(38u, idA.size()) << "\"id\" and a 36-character UUID";
  EXPECT_EQ(0u, idA.find(L"id"));
  EXPECT_TRUE(RVLUUID::Parse(std::string(idA.begin() + 2, idA.end())).has_value());
  EXPECT_NE(idA, idB);
}

TEST(IdentifierSwitch, Sequential)
{
  const RVLSharedHandle<TestEntity> first = TestEntity::create(L"first");
  const RVLSharedHandle<TestEntity> second = TestEntity::create(L"second");
  std::wstring id;
  // Numbered in the order of the first request, not of creation.
  ASSERT_EQ(S_OK, second->GetIdentifier(id));
  EXPECT_EQ(L"id0", id);
  ASSERT_EQ(S_OK, first->GetIdentifier(id));
  EXPECT_EQ(L"id1", id);
  ASSERT_EQ(S_OK, second->GetIdentifier(id));
  EXPECT_EQ(L"id0", id) << "fixed once made";
}

TEST(IdentifierSwitch, Name)
{
  ReportCapture reports;
  const RVLSharedHandle<TestEntity> named = TestEntity::create(L"Body.1");
  std::wstring id;
  ASSERT_EQ(S_OK, named->GetIdentifier(id));
  EXPECT_EQ(L"Body.1", id) << "the name wins over the sequential switch";

  // A nameless entity gets an empty identifier, reported, and no identifier is kept.
  const RVLSharedHandle<TestEntity> nameless = TestEntity::create(L"");
  EXPECT_EQ(S_OK, nameless->GetIdentifier(id));
  EXPECT_EQ(L"", id);
  EXPECT_EQ(1, reports.Count());
  nameless->setEntityName(L"Late");
  EXPECT_EQ(S_OK, nameless->GetIdentifier(id));
  EXPECT_EQ(L"Late", id);
}

}  // namespace
