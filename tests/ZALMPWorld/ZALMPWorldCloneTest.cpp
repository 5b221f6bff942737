#include "ZALMPTestSupport.h"
#include "ZALMPWorldFixture.h"

#include <ZALMPBody.h>
#include <ZALMPConstant.h>
#include <ZALMPGeometry.h>
#include <ZALMPLinearSpring.h>
#include <ZALMPParameter.h>
#include <ZALMPPoint.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <gtest/gtest.h>

namespace {

template <class T>
RVLSharedHandle<T> At(const ZALMPWorld& world, int index)
{
  RVLSharedHandle<T> entity;
  world.Get<T>(index, entity);
  return entity;
}

// A world with a crank body carrying a point, a bar body, an angle and a
// constant; the globals come from the world itself. A full clone of every
// kind, its links and its order is checked by the kind conformance test.
class WorldClone : public WorldFixture {
protected:
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
    WorldFixture::TearDown();
  }
};

// That the source stays whole is checked by the world ownership test.
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
  EXPECT_EQ(3, empty->Count<ZALMPBody>() + empty->Count<ZALMPGeometry>() + empty->Count<ZALMPVariable>());
  RVLSharedHandle<ZALMPBody> global, sourceGlobal;
  empty->GetGlobalBody(global);
  world->GetGlobalBody(sourceGlobal);
  ASSERT_TRUE(global);
  EXPECT_FALSE(global == sourceGlobal);
  EXPECT_FALSE(At<ZALMPBody>(*empty, 0) == global) << "the filed global body is another copy";
  EXPECT_EQ(L"GlobalBody", global->getEntityName());
  ZALMPWorld::destroy(empty);
}

// A spring between listed bodies is copied with them; the values that are its
// own settings, and a parameter's values, come along though values are not listed.
TEST_F(WorldClone, FilteredCloneCopiesAListedSpringWithItsValuesAndAParameterWithItsValues)
{
  const RVLSharedHandle<ZALMPLinearSpring> spring = ZALMPLinearSpring::create(L"Spring");
  world->Add<ZALMPConnector>(spring);
  spring->SetFirstBody(crank);
  spring->SetSecondBody(bar);
  crank->LinkToConnector(spring);
  spring->SetStiffness(150.0);
  spring->SetRestLength(length);  // a value that is also listed
  const RVLSharedHandle<ZALMPParameter> design = ZALMPParameter::create(L"Design");
  world->Add<ZALMPAttribute>(design);
  design->AddValue(length);
  const int values = world->Count<ZALMPValue>();

  copy = world->CloneWithFilter({spring, crank, design, length});
  ASSERT_TRUE(copy);
  ASSERT_EQ(1, copy->Count<ZALMPConnector>());
  const RVLSharedHandle<ZALMPLinearSpring> springCopy(At<ZALMPConnector>(*copy, 0));
  RVLSharedHandle<ZALMPBody> first, second;
  springCopy->GetFirstBody(first);
  EXPECT_TRUE(first == At<ZALMPBody>(*copy, 1));
  EXPECT_EQ(E_FAIL, springCopy->GetSecondBody(second)) << "the bar was not listed";
  EXPECT_EQ(1, first->GetLinkedConnectorCount());

  EXPECT_EQ(2, copy->Count<ZALMPValue>()) << "the stiffness and the length, once each";
  double stiffness = 0.0, rest = 0.0;
  EXPECT_EQ(S_OK, springCopy->GetStiffness(stiffness));
  EXPECT_EQ(150.0, stiffness);
  RVLSharedHandle<ZALMPValue> restCopy, designValue;
  springCopy->GetRestLength(restCopy);
  EXPECT_FALSE(restCopy == RVLSharedHandle<ZALMPValue>(length));
  RVLSharedHandle<ZALMPParameter>(At<ZALMPAttribute>(*copy, 0))->GetValue(0, designValue);
  EXPECT_TRUE(designValue == restCopy) << "one copy of a value held twice";
  bool inCopy = false;
  restCopy->IsInWorld(inCopy);
  EXPECT_TRUE(inCopy);
  springCopy->GetRestLength(rest);
  EXPECT_EQ(values, world->Count<ZALMPValue>()) << "the source keeps its values";
}

}  // namespace
