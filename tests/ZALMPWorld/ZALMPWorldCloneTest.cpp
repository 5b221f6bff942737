#include "ZALMPTestSupport.h"

#include <ZALMPAxisSystem.h>
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

// A world with a crank body carrying a point, a bar body, a limited angle
// and a constant; the globals come from the world itself.
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
    crank->SetMass(2.5);
    crank->AddGeometry(pin);
    pin->SetBody(crank);
    angle->SetMinValue(-1.0);
    length->SetValue(0.3);
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

TEST_F(WorldClone, CloneCopiesEveryEntityWithItsLinksAndLeavesTheSourceAlone)
{
  copy = world->Clone();
  ASSERT_TRUE(copy);
  // The copy's registries mirror the source's: same counts, same order.
  EXPECT_EQ(world->Count<ZALMPBody>(), copy->Count<ZALMPBody>());
  EXPECT_EQ(world->Count<ZALMPGeometry>(), copy->Count<ZALMPGeometry>());
  EXPECT_EQ(world->Count<ZALMPVariable>(), copy->Count<ZALMPVariable>());
  EXPECT_EQ(world->Count<ZALMPValue>(), copy->Count<ZALMPValue>());
  EXPECT_EQ(0.125, copy->GetLinearTolerance());
  ZALMathVector gravity;
  copy->GetGravity(gravity);
  EXPECT_EQ(-9.81, gravity.GetZ());

  // Copies, not the same entities, with their fields and their links.
  const int crankIndex = world->Count<ZALMPBody>() - 2;
  const RVLSharedHandle<ZALMPBody> crankCopy = At<ZALMPBody>(*copy, crankIndex);
  ASSERT_TRUE(crankCopy);
  EXPECT_FALSE(crankCopy == crank);
  EXPECT_EQ(L"Crank", crankCopy->getEntityName());
  double mass = 0;
  crankCopy->GetMass(mass);
  EXPECT_EQ(2.5, mass);
  ASSERT_EQ(1, crankCopy->GetGeometryCount());
  RVLSharedHandle<ZALMPGeometry> pinCopy;
  crankCopy->GetGeometry(0, pinCopy);
  EXPECT_FALSE(pinCopy == pin);
  EXPECT_TRUE(Holds(*copy, pinCopy));
  RVLSharedHandle<ZALMPBody> pinBody;
  pinCopy->GetBody(pinBody);
  EXPECT_TRUE(pinBody == crankCopy);

  // The globals are the filed copies of the source's globals, linked as those are.
  RVLSharedHandle<ZALMPBody> global;
  RVLSharedHandle<ZALMPAxisSystem> axis;
  copy->GetGlobalBody(global);
  copy->GetGlobalAxisSystem(axis);
  EXPECT_TRUE(Holds(*copy, global));
  EXPECT_TRUE(Holds(*copy, RVLSharedHandle<ZALMPGeometry>(axis)));
  RVLSharedHandle<ZALMPBody> axisBody;
  axis->GetBody(axisBody);
  EXPECT_TRUE(axisBody == global);

  // Changing the copy leaves the source as it was.
  crankCopy->SetMass(9.0);
  crank->GetMass(mass);
  EXPECT_EQ(2.5, mass);
  EXPECT_EQ(1, crank->GetGeometryCount());
}

TEST_F(WorldClone, FilteredCloneRelinksOnlyWhatWasListed)
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
  ASSERT_EQ(1, crankCopy->GetGeometryCount());
  RVLSharedHandle<ZALMPGeometry> linked;
  crankCopy->GetGeometry(0, linked);
  EXPECT_TRUE(linked == pinCopy);
  RVLSharedHandle<ZALMPBody> pinBody;
  pinCopy->GetBody(pinBody);
  EXPECT_TRUE(pinBody == crankCopy);

  // A link to an entity left out of the list is left out of the copy.
  RVLSharedHandle<ZALMPWorld> pinOnly = world->CloneWithFilter({pin});
  const RVLSharedHandle<ZALMPGeometry> lonePin = At<ZALMPGeometry>(*pinOnly, ownGlobals);
  RVLSharedHandle<ZALMPBody> none;
  lonePin->GetBody(none);
  EXPECT_FALSE(none);
  ZALMPWorld::destroy(pinOnly);
}

TEST_F(WorldClone, FilteredCloneOfNothingHasItsOwnGlobalsFiledAndCopiesAsHandles)
{
  copy = world->CloneWithFilter({});
  ASSERT_TRUE(copy);
  EXPECT_EQ(1, copy->Count<ZALMPBody>());
  EXPECT_EQ(1, copy->Count<ZALMPGeometry>());
  EXPECT_EQ(1, copy->Count<ZALMPVariable>());
  RVLSharedHandle<ZALMPBody> global, sourceGlobal;
  copy->GetGlobalBody(global);
  world->GetGlobalBody(sourceGlobal);
  ASSERT_TRUE(global);
  EXPECT_FALSE(global == sourceGlobal);
  EXPECT_FALSE(Holds(*copy, global));  // a copy of the source's, not the one filed
  EXPECT_EQ(L"GlobalBody", global->getEntityName());
}

}  // namespace
