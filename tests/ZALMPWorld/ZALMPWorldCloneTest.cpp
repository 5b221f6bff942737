#include "ZALMPTestSupport.h"

#include <ZALMPBody.h>
#include <ZALMPConstant.h>
#include <ZALMPGeometry.h>
#include <ZALMPPoint.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>

#include <gtest/gtest.h>

namespace {

template <class T>
RVLSharedHandle<T> At(const ZALMPWorld& world, int index)
{
  RVLSharedHandle<T> entity;
  world.Get<T>(index, entity);
  return entity;
}

template <class T>
bool Holds(const ZALMPWorld& world, const RVLSharedHandle<T>& entity)
{
  for (int i = 0; i < world.Count<T>(); ++i)
    if (At<T>(world, i) == entity) return true;
  return false;
}

// A world with a crank body carrying a point, a bar body, an angle and a
// constant; the globals come from the world itself. A full clone of every
// kind, its links and its order is checked by the kind conformance test.
class WorldClone : public ::testing::Test {
protected:
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Host");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  RVLSharedHandle<ZALMPBody> crank = ZALMPBody::create(L"Crank");
  RVLSharedHandle<ZALMPBody> bar = ZALMPBody::create(L"Bar");
  RVLSharedHandle<ZALMPPoint> pin = ZALMPPoint::create(L"Pin");
  RVLSharedHandle<ZALMPVariable> angle = ZALMPVariable::create(L"Angle");
  RVLSharedHandle<ZALMPConstant> length = ZALMPConstant::create(L"Length");
  RVLSharedHandle<ZALMPWorld> copy;

  void SetUp() override
  {
    crank->AddGeometry(pin);
    pin->SetBody(crank);
    world->SetLinearTolerance(0.125);
    world->SetGravity(ZALMathVector(0, 0, -9.81));
    world->Add<ZALMPBody>(crank);
    world->Add<ZALMPBody>(bar);
    world->Add<ZALMPGeometry>(pin);
    world->Add<ZALMPVariable>(angle);
    world->Add<ZALMPValue>(length);
  }
  void TearDown() override
  {
    if (copy) ZALMPWorld::destroy(copy);
    ZALMPWorld::destroy(world);
    host->orphanObject();
  }
};

TEST_F(WorldClone, CloneCopiesTheWorldsOwnSettingsAndOwnsItsModel)
{
  copy = world->Clone();
  ASSERT_TRUE(copy);
  EXPECT_EQ(0.125, copy->GetLinearTolerance());
  ZALMathVector gravity;
  copy->GetGravity(gravity);
  EXPECT_EQ(-9.81, gravity.GetZ());

  const RVLSharedHandle<ZALMPBody> crankCopy = At<ZALMPBody>(*copy, 1);
  RVLSharedHandle<ZALMPWorld> reached;
  ASSERT_EQ(S_OK, crankCopy->GetWorld(reached));
  EXPECT_EQ(copy, reached) << "a copied entity is in the copy";
  ZALMPWorld::destroy(copy);
  EXPECT_FALSE(crankCopy.IsAlive()) << "the copy's model goes with the copy";
  EXPECT_TRUE(crank.IsAlive());
  RVLSharedHandle<ZALMPBody> pinBody;
  pin->GetBody(pinBody);
  EXPECT_TRUE(pinBody == crank);
  EXPECT_EQ(1, crank->GetGeometryCount());
}

TEST_F(WorldClone, FilteredCloneCopiesAndRelinksOnlyWhatWasListed)
{
  const int ownGlobals = 1;
  copy = world->CloneWithFilter({crank, pin, length});
  ASSERT_TRUE(copy);
  // Values are not copied by a filtered clone; the copy keeps its own globals filed.
  EXPECT_EQ(ownGlobals + 1, copy->Count<ZALMPBody>());
  EXPECT_EQ(ownGlobals + 1, copy->Count<ZALMPGeometry>());
  EXPECT_EQ(ownGlobals, copy->Count<ZALMPVariable>());
  EXPECT_EQ(0, copy->Count<ZALMPValue>());

  const RVLSharedHandle<ZALMPBody> crankCopy = At<ZALMPBody>(*copy, ownGlobals);
  const RVLSharedHandle<ZALMPGeometry> pinCopy = At<ZALMPGeometry>(*copy, ownGlobals);
  ASSERT_TRUE(crankCopy && pinCopy);
  EXPECT_FALSE(crankCopy == crank);
  ASSERT_EQ(1, crankCopy->GetGeometryCount());
  RVLSharedHandle<ZALMPGeometry> linked;
  crankCopy->GetGeometry(0, linked);
  EXPECT_TRUE(linked == pinCopy);
  RVLSharedHandle<ZALMPBody> pinBody;
  pinCopy->GetBody(pinBody);
  EXPECT_TRUE(pinBody == crankCopy);

  // A link to an entity left out of the list is left out of the copy.
  RVLSharedHandle<ZALMPWorld> pinOnly = world->CloneWithFilter({pin});
  At<ZALMPGeometry>(*pinOnly, ownGlobals)->GetBody(pinBody);
  EXPECT_FALSE(pinBody);
  ZALMPWorld::destroy(pinOnly);

  // Of nothing: the copy's own globals are filed, and its global handle is a
  // copy of the source's, not the one filed.
  RVLSharedHandle<ZALMPWorld> empty = world->CloneWithFilter({});
  EXPECT_EQ(1, empty->Count<ZALMPBody>());
  EXPECT_EQ(1, empty->Count<ZALMPGeometry>());
  EXPECT_EQ(1, empty->Count<ZALMPVariable>());
  RVLSharedHandle<ZALMPBody> global, sourceGlobal;
  empty->GetGlobalBody(global);
  world->GetGlobalBody(sourceGlobal);
  ASSERT_TRUE(global);
  EXPECT_FALSE(global == sourceGlobal);
  EXPECT_FALSE(Holds(*empty, global));
  EXPECT_EQ(L"GlobalBody", global->getEntityName());
  ZALMPWorld::destroy(empty);
}

}  // namespace
