#include <RVLBasicWorld.h>
#include <RVLEInvalidCast.h>
#include <RVLExtensionObject.h>
#include <RVLSharedHandle.h>

#include <gtest/gtest.h>

namespace {

// Counts live instances so the tests can see when an object is freed.
int g_alive = 0;

class Thing : public RVLSharedObject {
public:
  Thing() { ++g_alive; }
  ~Thing() override { --g_alive; }
};

class Other : public RVLSharedObject {};

class Extension : public RVLExtensionObject {
public:
  Extension() { ++g_alive; }
  ~Extension() override { --g_alive; }
  const RVLUUID& getClassID() const override
  {
    static constexpr RVLUUID kId("11111111-2222-3333-4444-555555555555");
    return kId;
  }
};

TEST(SharedHandle, CountsReferencesAndFreesWithTheLastHandle)
{
  {
    RVLSharedHandle<Thing> first(new Thing());
    RVLSharedHandle<RVLSharedObject> widened = first;  // implicit widening
    EXPECT_EQ(2, first->getReferenceCount());
    first.Release();
    EXPECT_FALSE(first);
    EXPECT_FALSE(first.IsAlive());
    EXPECT_EQ(1, g_alive);
    EXPECT_EQ(1, widened->getReferenceCount());
    EXPECT_TRUE(widened.IsAlive());
  }
  EXPECT_EQ(0, g_alive);
}

TEST(SharedHandle, NarrowingChecksTheReferentClass)
{
  RVLSharedHandle<RVLSharedObject> thing(new Thing());
  RVLSharedHandle<Thing> narrowed(thing);
  EXPECT_TRUE(narrowed == thing);

  EXPECT_FALSE(RVLSharedHandle<Thing>(RVLSharedHandle<RVLSharedObject>()));

  try {
    RVLSharedHandle<Other> wrong(thing);
    FAIL() << "narrowing to an unrelated class must throw";
  } catch (const RVLEInvalidCast& error) {
    EXPECT_STREQ("The source and target handles have incompatible referent types", error.what());
  }
  EXPECT_FALSE(RVLSharedHandle<Other>::TryNarrow(thing));
}

TEST(BasicWorld, ExtensionsAndLogicalChildrenAreReleasedWhenTheWorldIsDestroyed)
{
  RVLSharedHandle<RVLBasicWorld> world = RVLBasicWorld::create(L"BasicWorld");
  RVLSharedHandle<RVLBasicWorld> child = RVLBasicWorld::create(L"child");
  {
    RVLSharedHandle<Extension> extension(new Extension());
    extension->bindExtension(world);
  }
  EXPECT_EQ(1, g_alive) << "the world holds its extension";

  EXPECT_TRUE(world->addLogicalChild(child));
  EXPECT_FALSE(world->addLogicalChild(child));
  EXPECT_EQ(L"BasicWorld/child", child->getEntityName(RVLBasicEntity::InternalName));

  RVLBasicWorld::destroy(world);
  EXPECT_FALSE(world);
  EXPECT_EQ(0, g_alive);
  EXPECT_EQ(nullptr, child->getLogicalParent().get());
}

}  // namespace
