#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"
#include "ZALMPWorldFixture.h"

#include <ZALIMPBodyLoader.h>
#include <ZALIMPConstraintLoader.h>
#include <ZALIMPDisplacementSensorLoader.h>
#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPConstant.h>
#include <ZALMPConstraint.h>
#include <ZALMPDisplacementSensor.h>
#include <ZALMPGeometry.h>
#include <ZALMPPoint.h>
#include <ZALMPShape.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>
#include <ZALBaseUnknown.h>
#include <ZALError.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Notes "<who> <call>" in `calls` and answers `answer`.
HRESULT Note(Calls& calls, const std::wstring& who, const char* call, HRESULT answer)
{
  calls.push_back(std::string(who.begin(), who.end()) + " " + call);
  return answer;
}

// The host side of a body, a constraint or a displacement sensor: it notes
// what it is asked and answers the constraint questions as the test says.
class ScriptedLoader : public ZALIMPBodyLoader, public ZALIMPConstraintLoader, public ZALIMPDisplacementSensorLoader {
public:
  ScriptedLoader(Calls& calls, const ZALMPEntity& owner) : m_calls(calls), m_owner(owner.getEntityName()) {}
  bool satisfied = true;
  double error = 0.0;
  bool raise = false;
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  HRESULT ApplyTransformation(const ZALMathTransformation&) override { return S_OK; }
  HRESULT SetVelocity(const ZALMathVector&, const ZALMathVector&) override { return S_OK; }
  HRESULT ComputeVelocity(ZALMathVector&, ZALMathVector&, ZALMathPoint&) override { return S_OK; }
  HRESULT ComputeAcceleration(ZALMathVector&, ZALMathVector&, ZALMathPoint&) override { return S_OK; }
  HRESULT Fix() override { return Note(m_calls, m_owner, "fix", S_OK); }
  HRESULT Unfix() override { return Note(m_calls, m_owner, "unfix", S_OK); }
  HRESULT ComputeVelocityAndAcceleration(ZALMathVector&, ZALMathVector&, ZALMathVector&, ZALMathVector&, ZALMathPoint&,
                                         unsigned char&, ZALMathLine&, ZALMPBody::PointWhereToComputeVelAndAcc,
                                         const ZALMathPoint*, RVLSharedHandle<ZALMPBody>, const ZALMathAxis*) override
  {
    return S_OK;
  }
  bool IsSatisfied(double& e) override
  {
    e = error;
    return satisfied;
  }
  bool IsSatisfied() override
  {
    if (raise) throw ZALError("host failure");
    return satisfied;
  }
  HRESULT CurrentValue(int, double&, double&) override { return S_OK; }
  HRESULT CurrentValue(double&) override { return S_OK; }
  HRESULT UpdateParameters() override { return Note(m_calls, m_owner, "update", E_FAIL); }  // ignored by the world
  HRESULT CurrentOptions(ZALMPOptionsOrientation&) override { return S_OK; }
  HRESULT Update(ZALMPDisplacementSensor&) override { return Note(m_calls, m_owner, "measure", S_OK); }

private:
  Calls& m_calls;
  std::wstring m_owner;
};

// Gives `entity` a scripted loader as the loader kind its class asks for.
template <class Loader>
ScriptedLoader& Script(ZALMPEntity& entity, Calls& calls)
{
  ScriptedLoader* const loader = new ScriptedLoader(calls, entity);
  entity.SetLoader(static_cast<Loader*>(loader));
  return *loader;
}

class HostObject : public ZALBaseUnknown {};

class World : public WorldFixture {
protected:
  ReportCapture reports;
};

// The globals themselves (names, links, the fixed global body, the time
// quantity) are pinned by the kept documents of the kind conformance test.
TEST_F(World, EmptyingKeepsTheGlobalHandlesButUnfilesThem)
{
  RVLSharedHandle<ZALMPBody> body, kept;
  world->GetGlobalBody(body);
  EXPECT_EQ(1, world->GetBodyCount());
  EXPECT_EQ(S_OK, world->EmptyWorld());
  EXPECT_EQ(0, world->GetBodyCount());
  EXPECT_EQ(0, world->Count<ZALMPGeometry>() + world->Count<ZALMPVariable>());
  world->GetGlobalBody(kept);
  EXPECT_TRUE(kept && kept == body) << "the world keeps its global handles";
  EXPECT_EQ(0, reports.Count());
}

TEST_F(World, FilesEntitiesByKindAndKeysAndMakesValuesHostChildren)
{
  HostObject* design = new HostObject();
  const ZALBaseUnknown_var key(design);
  const RVLSharedHandle<ZALMPBody> crank = ZALMPBody::create(L"Crank");
  // Keyed filing itself is the registry's (checked against a plain model in
  // the registry test); the world finds the registry from the entity's kind.
  EXPECT_EQ(S_OK, world->Add<ZALMPBody>(key, nullptr, crank));
  ZALBaseUnknown_var key1, key2;
  EXPECT_EQ(S_OK, world->GetKeys(RVLSharedHandle<RVLBasicEntity>(crank), key1, key2));
  EXPECT_TRUE(key1 == design);
  EXPECT_FALSE(key2);
  EXPECT_EQ(E_FAIL, world->GetKeys(RVLSharedHandle<RVLBasicEntity>(host), key1, key2)) << "no entity kind";

  const RVLSharedHandle<ZALMPConstant> value = ZALMPConstant::create(L"k");
  EXPECT_EQ(S_OK, world->Add<ZALMPValue>(value));
  EXPECT_TRUE(host->hasLogicalChild(value));
  EXPECT_EQ(S_OK, world->Remove<ZALMPValue>(value));
  EXPECT_EQ(0, world->Count<ZALMPValue>());
  EXPECT_TRUE(host->hasLogicalChild(value)) << "removal keeps the host link";
  EXPECT_EQ(0, reports.Count());
}

TEST_F(World, KeepsHostLoaderAndTableAsTheHostGivesThem)
{
  HostObject loader;
  int flag = 0;
  ZALBaseUnknown* got = nullptr;
  EXPECT_EQ(S_OK, world->SetLoader(&loader, 7));
  EXPECT_EQ(S_FALSE, world->SetLoader(nullptr, 1)) << "no loader takes no flag";
  EXPECT_EQ(S_OK, world->GetLoader(got, flag));
  EXPECT_TRUE(got == &loader && flag == 7);
  EXPECT_EQ(S_OK, world->SetLoader(nullptr, 0));
  EXPECT_EQ(S_FALSE, world->GetLoader(got, flag));

  HostObject* table = new HostObject();
  table->AddRef();
  EXPECT_EQ(S_FALSE, world->SetTable(nullptr));
  EXPECT_EQ(S_OK, world->SetTable(table));
  ASSERT_EQ(S_OK, world->GetTable(got));
  EXPECT_EQ(3u, table->GetRefCount()) << "one for the world, one for the caller";
  got->Release();
  ZALMPWorld::destroy(world);
  EXPECT_EQ(1u, table->GetRefCount()) << "released with the world";
  table->Release();
}

TEST_F(World, WholeWorldOperationsVisitTheEntitiesTheyConcern)
{
  Calls calls;
  const RVLSharedHandle<ZALMPBody> free = ZALMPBody::create(L"free"), fixed = ZALMPBody::create(L"fixed");
  fixed->Fix();
  const RVLSharedHandle<ZALMPDisplacementSensor> active = ZALMPDisplacementSensor::create(L"active");
  const RVLSharedHandle<ZALMPDisplacementSensor> inactive = ZALMPDisplacementSensor::create(L"inactive");
  inactive->Deactivate();
  const RVLSharedHandle<TestConstraint> loose = TestConstraint::create(L"loose"), off = TestConstraint::create(L"off");
  for (const RVLSharedHandle<ZALMPBody>& body : {free, fixed}) {
    Script<ZALIMPBodyLoader>(*body, calls);
    world->Add<ZALMPBody>(body);
  }
  const ZALMathTransformation moved(ZALMath3x3Matrix(), ZALMathVector(1, 2, 3));
  for (const RVLSharedHandle<ZALMPDisplacementSensor>& sensor : {active, inactive}) {
    Script<ZALIMPDisplacementSensorLoader>(*sensor, calls);
    sensor->SetDisplacement(moved);
    world->Add<ZALMPSensor>(sensor);
  }
  double error = -1.0;
  EXPECT_TRUE(world->IsSatisfied(error));
  EXPECT_EQ(0.0, error);
  ScriptedLoader& looseLoader = Script<ZALIMPConstraintLoader>(*loose, calls);
  ScriptedLoader& offLoader = Script<ZALIMPConstraintLoader>(*off, calls);
  looseLoader.error = 0.25;
  offLoader.error = 0.5;
  offLoader.satisfied = false;
  off->Deactivate();
  world->Add<ZALMPConstraint>(loose);
  world->Add<ZALMPConstraint>(off);

  world->FixAllFreeBodies();
  world->UnfixAllFreeBodies();
  world->UpdateSensors();
  world->ResetSensors();
  world->UpdateConstraintParameters();
  EXPECT_EQ((Calls{"free fix", "free unfix", "active measure", "loose update", "off update"}), calls)
      << "free bodies through their loaders, active sensors, every constraint";
  EXPECT_FALSE(free->IsFixed()) << "the body's own flag is not touched";
  ZALMathTransformation displacement;
  active->GetDisplacement(displacement);
  EXPECT_EQ(ZALMathTransformation(), displacement) << "an active sensor is reset";
  inactive->GetDisplacement(displacement);
  EXPECT_EQ(moved, displacement) << "an inactive one is not";
  EXPECT_TRUE(world->IsSatisfied()) << "inactive constraints do not count";
  EXPECT_TRUE(world->IsSatisfied(error));
  EXPECT_EQ(0.5, error) << "the largest error, active or not";
  looseLoader.raise = true;
  EXPECT_FALSE(world->IsSatisfied()) << "a raised host error counts as not satisfied";
  EXPECT_EQ(0, reports.Count());
}

TEST_F(World, IsWeightedOnlyWhenEveryBodyWithAShapeHasMass)
{
  const RVLSharedHandle<ZALMPBody> shapeless = ZALMPBody::create(L"shapeless");
  world->Add<ZALMPBody>(shapeless);
  EXPECT_TRUE(world->IsWeighted()) << "massless bodies without shapes do not count";
  const RVLSharedHandle<ZALMPBody> shaped = ZALMPBody::create(L"shaped");
  shaped->LinkToShape(TestShape::create(L"s"));
  world->Add<ZALMPBody>(shaped);
  EXPECT_FALSE(world->IsWeighted());
  shaped->SetMass(2.0);
  EXPECT_TRUE(world->IsWeighted());
}

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

// Who frees the model: a library world shares its entities, so destroying it
// (or a copy of it) damages nothing that someone else holds; the host world
// that owns the model frees it, cycles included (the sanitizer build checks
// that nothing leaks).
TEST(WorldOwnership, DestroyingAWorldOrACopyOfItDamagesNothingAndTheHostWorldFreesTheModel)
{
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Host");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  const LinkedBody model;
  world->Add<ZALMPBody>(model.body);
  world->Add<ZALMPGeometry>(model.pin);
  world->Add<ZALMPSensor>(model.sensor);
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
