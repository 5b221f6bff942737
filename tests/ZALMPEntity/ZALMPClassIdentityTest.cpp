#include "ZALMPEntityTestDoubles.h"
#include "ZALMPTestSupport.h"

#include <ZALMPClassTable.h>
#include <ZALMPEntity.h>
#include <ZALMPFactory.h>
#include <ZALMPWorld.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ClassTable, HoldsEveryClassOnceAndGivesEachTheIdentityOfItsRow)
{
  const auto rows = ZALMPClassTable::Rows();
  const auto registered = ZALMPFactory::GetRegisteredNames();
  EXPECT_EQ(116u, rows.size());
  std::set<std::string_view> names;
  std::set<RVLUUID> ids;
  int factoryRows = 0;
  for (const ZALMPClassTable::Row& row : rows) {
    const std::string name(row.className);
    EXPECT_TRUE(names.insert(row.className).second) << "twice: " << name;
    const auto id = RVLUUID::Parse(row.classIdText);
    ASSERT_TRUE(id.has_value()) << name;
    EXPECT_TRUE(ids.insert(*id).second) << "shared id: " << name;
    EXPECT_TRUE(row.baseName.starts_with("RVL") || ZALMPClassTable::Find(row.baseName)) << name << ": " << row.baseName;
    factoryRows += row.factory ? 1 : 0;

    // The factory makes exactly the classes the table says it makes, and each,
    // made through it, answers with its own row's identity.
    const bool madeByName = std::find(registered.begin(), registered.end(), name) != registered.end();
    EXPECT_EQ(row.factory, madeByName) << name;
    if (!madeByName) continue;
    RVLSharedHandle<ZALMPEntity> made;
    ASSERT_EQ(S_OK, ZALMPFactory::Create(name, made)) << name;
    EXPECT_EQ(RVLUUID(row.classIdText), made->getClassID()) << name;
    EXPECT_EQ(row.baseName, made->getClassInfo().getBase()->getClassName()) << name;
  }
  EXPECT_EQ(97, factoryRows);

  // Ids keep the letter case they were given.
  EXPECT_EQ(std::string_view::npos, ZALMPClassTable::Find("ZALMPSymmetry")->classIdText.find_first_of("ABCDEF"));
  // The abstract bases take theirs through the same macro as the kinds below.
  EXPECT_EQ(RVLUUID(ZALMPClassTable::Find("ZALMPWorld")->classIdText), ZALMPWorld::ClassID());
  EXPECT_EQ(&RVLBasicEntity::ClassInfo(), ZALMPEntity::ClassInfo().getBase());
  EXPECT_NE(nullptr, ZALMPWorld::ClassInfo().getCreator()) << "the world's record carries its creator";
  EXPECT_EQ(nullptr, ZALMPEntity::ClassInfo().getCreator());
}

// Every registered class of the table is made by name in the class table test.
TEST(Factory, RefusesNamesNotRegisteredAndListsTheRegisteredInOrder)
{
  ReportCapture reports;
  // Abstract bases, classes not made by name and names from newer files are refused with a report.
  for (const char* name : {"ZALMPEntity", "ZALMPMaterial", "ZALMPWorld", "ZALMPFutureKind", ""}) {
    RVLSharedHandle<ZALMPEntity> made = TestEntity::create(L"stale");
    EXPECT_EQ(E_FAIL, ZALMPFactory::Create(name, made)) << name;
    EXPECT_FALSE(made) << name;
    EXPECT_EQ(nullptr, ZALMPFactory::FindCreator(name)) << name;
  }
  EXPECT_EQ(5, reports.Count());
  EXPECT_EQ("ZALMPSerialization.m/src/ZALMPFactory", reports.Files().front());

  const auto names = ZALMPFactory::GetRegisteredNames();
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  EXPECT_NE(names.end(), std::find(names.begin(), names.end(), "TestParameter"));

  // a registered class's creator, looked up once, makes one entity of it per call
  const ZALMPFactory::Creator create = ZALMPFactory::FindCreator("TestParameter");
  ASSERT_NE(nullptr, create);
  const RVLSharedHandle<ZALMPEntity> first = create();
  const RVLSharedHandle<ZALMPEntity> second = create();
  ASSERT_TRUE(first && second);
  EXPECT_NE(first.get(), second.get());
  EXPECT_STREQ("TestParameter", first->getClassInfo().getClassName());
}

}  // namespace
