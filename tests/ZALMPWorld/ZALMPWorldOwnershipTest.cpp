// Who frees the model: a library world shares its entities, so destroying it
// (or a copy of it) damages nothing that someone else holds; the host world
// that owns the model frees it, cycles included (the sanitizer build checks
// that nothing leaks).

#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPPoint.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>

#include <gtest/gtest.h>

namespace {

// A body carrying a point and measured by a displacement sensor, every link made both ways.
struct LinkedBody {
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Crank");
  RVLSharedHandle<ZALMPPoint> pin = ZALMPPoint::create(L"Pin");
  RVLSharedHandle<ZALMPDisplacementSensor> sensor = ZALMPDisplacementSensor::create(L"Travel");

  LinkedBody()
  {
    body->AddGeometry(pin);
    pin->SetBody(body);
    body->SetDisplacementSensor(sensor);
    sensor->SetBody(body);
  }
  void FileInto(ZALMPWorld& world) const
  {
    world.Add<ZALMPBody>(body);
    world.Add<ZALMPGeometry>(pin);
    world.Add<ZALMPSensor>(sensor);
  }
  // Every link still made both ways.
  bool Whole() const
  {
    RVLSharedHandle<ZALMPGeometry> geometry;
    RVLSharedHandle<ZALMPBody> carrier, measured;
    RVLSharedHandle<ZALMPDisplacementSensor> held;
    return body->GetGeometry(0, geometry) == S_OK && geometry == pin && pin->GetBody(carrier) == S_OK &&
           carrier == body && body->GetDisplacementSensor(held) == S_OK && held == sensor &&
           sensor->GetBody(measured) == S_OK && measured == body;
  }
};

TEST(WorldOwnership, DestroyingAWorldOrACopyOfItDamagesNothingAndTheHostWorldFreesTheModel)
{
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Host");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  const LinkedBody model;
  model.FileInto(*world);
  RVLSharedHandle<ZALMPAxisSystem> globalAxes;
  world->GetGlobalAxisSystem(globalAxes);
  RVLSharedHandle<ZALMPWorld> reached;
  ASSERT_EQ(S_OK, model.pin->GetWorld(reached)) << "a filed entity is a child of the host world";
  EXPECT_EQ(world, reached);
  ASSERT_EQ(S_OK, globalAxes->GetWorld(reached)) << "and so is a built-in one";
  reached.Release();

  // A copy made by `clone` shares the source's entities and globals.
  RVLSharedHandle<RVLBasicWorld> copyHost = RVLBasicWorld::create(L"CopyHost");
  RVLSharedHandle<ZALMPWorld> copy = ZALMPWorld::clone(world, RVLDynamicObject::DeepCopy, copyHost);
  ASSERT_TRUE(copy);
  ZALMPWorld::destroy(copy);
  RVLBasicWorld::destroy(copyHost);
  EXPECT_TRUE(model.Whole()) << "destroying the copy cut the source's links";
  EXPECT_TRUE(globalAxes.IsAlive()) << "the copy destroyed the source's global axis system";
  EXPECT_EQ(2, world->Count<ZALMPBody>()) << "the source's registries are as they were";

  // The world itself: the entities the host holds keep their links.
  ZALMPWorld::destroy(world);
  EXPECT_TRUE(model.Whole()) << "destroying the world cut the links of entities the host holds";
  EXPECT_TRUE(model.body.IsAlive());

  // The host world owns the model: orphaning it breaks every cycle, so that
  // nothing but this test holds the entities any more.
  RVLBasicWorld::destroy(host);
  EXPECT_FALSE(model.body.IsAlive());
  EXPECT_EQ(0, model.body->GetGeometryCount());
  EXPECT_EQ(1, model.body->getReferenceCount());
  EXPECT_EQ(1, model.pin->getReferenceCount());
  EXPECT_EQ(1, model.sensor->getReferenceCount());
}

}  // namespace
