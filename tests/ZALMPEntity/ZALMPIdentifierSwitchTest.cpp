// Each test runs in its own process with the environment that ctest gives it.
#include "ZALMPEntityTestDoubles.h"
#include "ZALMPTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring IdentifierOf(const RVLSharedHandle<TestEntity>& entity)
{
  std::wstring id;
  EXPECT_EQ(S_OK, entity->GetIdentifier(id));
  return id;
}

TEST(IdentifierSwitch, Uuid)
{
  const std::wstring id = IdentifierOf(TestEntity::create(L"A"));
  EXPECT_EQ(38u, id.size()) << "\"id\" and a 36-character UUID";
  EXPECT_EQ(0u, id.find(L"id"));
  EXPECT_TRUE(RVLUUID::Parse(std::string(id.begin() + 2, id.end())).has_value());
  EXPECT_NE(id, IdentifierOf(TestEntity::create(L"A")));
}

TEST(IdentifierSwitch, Sequential)
{
  const RVLSharedHandle<TestEntity> first = TestEntity::create(L"first"), second = TestEntity::create(L"second");
  // Numbered in the order of the first request, not of creation.
  EXPECT_EQ(L"id0", IdentifierOf(second));
  EXPECT_EQ(L"id1", IdentifierOf(first));
  EXPECT_EQ(L"id0", IdentifierOf(second)) << "fixed once made";
}

TEST(IdentifierSwitch, Name)
{
  ReportCapture reports;
  EXPECT_EQ(L"Body.1", IdentifierOf(TestEntity::create(L"Body.1"))) << "the name wins over the sequential switch";

  // A nameless entity gets an empty identifier, reported, and no identifier is kept.
  const RVLSharedHandle<TestEntity> nameless = TestEntity::create(L"");
  EXPECT_EQ(L"", IdentifierOf(nameless));
  EXPECT_EQ(1, reports.Count());
  nameless->setEntityName(L"Late");
  EXPECT_EQ(L"Late", IdentifierOf(nameless));
}

}  // namespace
