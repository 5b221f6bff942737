#include "ZALMPTestSupport.h"

#include <ZALIMPBodyLoader.h>
#include <ZALIMPConstraintLoader.h>
#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPConstant.h>
#include <ZALMPConstraint.h>
#include <ZALMPGeometry.h>
#include <ZALMPSensor.h>
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

int g_liveShapes = 0;

// A shape that links its bodies back, so that body and shape hold each other.
class CountedShape : public ZALMPShape {
  ZALMP_DECLARE_CLASS(CountedShape, ZALMPShape);
  ZALMP_DECLARE_CONCRETE(CountedShape);

public:
  ~CountedShape() override { --g_liveShapes; }
  RVLSharedHandle<ZALMPBody> body;
  HRESULT RemoveBody(const RVLSharedHandle<ZALMPBody>& which) override
  {
    if (!(which == body)) return S_FALSE;
    body.Release();
    return S_OK;
  }

protected:
  CountedShape() { ++g_liveShapes; }
  CountedShape(const CountedShape& source) : ZALMPShape(source) { ++g_liveShapes; }
};

// A constraint whose verdict and error are set by the test, through its loader.
class ScriptedConstraintLoader : public ZALIMPConstraintLoader {
public:
  bool satisfied = true;
  double error = 0.0;
  bool raise = false;
  int updates = 0;
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
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
  HRESULT UpdateParameters() override
  {
    ++updates;
    return E_FAIL;  // ignored by the world
  }
  HRESULT CurrentOptions(ZALMPOptionsOrientation&) override { return S_OK; }
};

class ScriptedConstraint : public ZALMPConstraint {
  ZALMP_DECLARE_CLASS(ScriptedConstraint, ZALMPConstraint);
  ZALMP_DECLARE_CONCRETE(ScriptedConstraint);

public:
  ScriptedConstraintLoader* loader = new ScriptedConstraintLoader();

protected:
  ScriptedConstraint() { SetLoader(loader); }
  ScriptedConstraint(const ScriptedConstraint& source) : ZALMPConstraint(source) { SetLoader(loader); }
};

class CountingSensor : public ZALMPSensor {
  ZALMP_DECLARE_CLASS(CountingSensor, ZALMPSensor);
  ZALMP_DECLARE_CONCRETE(CountingSensor);

public:
  int updates = 0;
  int resets = 0;
  HRESULT Update() override
  {
    ++updates;
    return S_OK;
  }
  HRESULT Reset() override
  {
    ++resets;
    return S_OK;
  }

protected:
  CountingSensor() = default;
  CountingSensor(const CountingSensor& source) : ZALMPSensor(source) {}
};

class RecordingBodyLoader : public ZALIMPBodyLoader {
public:
  explicit RecordingBodyLoader(std::vector<std::string>& calls) : m_calls(calls) {}
  HRESULT OnActivate() override { return S_OK; }
  HRESULT OnDeactivate() override { return S_OK; }
  HRESULT ApplyTransformation(const ZALMathTransformation&) override { return S_OK; }
  HRESULT SetVelocity(const ZALMathVector&, const ZALMathVector&) override { return S_OK; }
  HRESULT ComputeVelocity(ZALMathVector&, ZALMathVector&, ZALMathPoint&) override { return S_OK; }
  HRESULT ComputeAcceleration(ZALMathVector&, ZALMathVector&, ZALMathPoint&) override { return S_OK; }
  HRESULT Fix() override
  {
    m_calls.push_back("fix");
    return S_OK;
  }
  HRESULT Unfix() override
  {
    m_calls.push_back("unfix");
    return S_OK;
  }
  HRESULT ComputeVelocityAndAcceleration(ZALMathVector&, ZALMathVector&, ZALMathVector&, ZALMathVector&, ZALMathPoint&,
                                         unsigned char&, ZALMathLine&, ZALMPBody::PointWhereToComputeVelAndAcc,
                                         const ZALMathPoint*, RVLSharedHandle<ZALMPBody>, const ZALMathAxis*) override
  {
    return S_OK;
  }

private:
  std::vector<std::string>& m_calls;
};

class HostObject : public ZALBaseUnknown {};

}  // namespace

ZALMP_DEFINE_CLASS_WITH_ID(CountedShape, ZALMPShape, "0E0E0E0E-0000-4000-8000-0000000000B1", nullptr);
ZALMP_DEFINE_CLASS_WITH_ID(ScriptedConstraint, ZALMPConstraint, "0E0E0E0E-0000-4000-8000-0000000000B2", nullptr);
ZALMP_DEFINE_CLASS_WITH_ID(CountingSensor, ZALMPSensor, "0E0E0E0E-0000-4000-8000-0000000000B3", nullptr);

namespace {

class World : public ::testing::Test {
protected:
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"BasicWorld");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  ReportCapture reports;
  void TearDown() override
  {
    ZALMPWorld::destroy(world);
    RVLBasicWorld::destroy(host);
  }
};

TEST_F(World, StartsWithItsThreeGlobalEntities)
{
  EXPECT_EQ(1, world->GetBodyCount());
  EXPECT_EQ(1, world->Count<ZALMPGeometry>());
  EXPECT_EQ(1, world->Count<ZALMPVariable>());
  RVLSharedHandle<ZALMPBody> body;
  RVLSharedHandle<ZALMPAxisSystem> axis;
  RVLSharedHandle<ZALMPVariable> time;
  world->GetGlobalBody(body);
  world->GetGlobalAxisSystem(axis);
  world->GetGlobalTime(time);
  ASSERT_TRUE(body && axis && time);
  EXPECT_EQ(L"GlobalBody", body->getEntityName());
  EXPECT_TRUE(body->IsFixed());
  EXPECT_EQ(L"GlobalAxisSystem", axis->getEntityName());
  RVLSharedHandle<ZALMPBody> carrier;
  ASSERT_EQ(S_OK, axis->GetBody(carrier));
  EXPECT_TRUE(carrier == body);
  RVLSharedHandle<ZALMPGeometry> attached;
  ASSERT_EQ(S_OK, body->GetGeometry(0, attached));
  EXPECT_TRUE(attached == axis);
  EXPECT_EQ(ZALMPPhysicalQuantity::Time, time->GetPhysicalQuantity());
  ZALWBFactory* factory = nullptr;
  EXPECT_EQ(S_OK, world->GetWBFactory(factory));
  EXPECT_NE(nullptr, factory);

  EXPECT_EQ(S_OK, world->EmptyWorld());
  EXPECT_EQ(0, world->GetBodyCount());
  EXPECT_EQ(0, world->Count<ZALMPVariable>());
  RVLSharedHandle<ZALMPBody> kept;
  world->GetGlobalBody(kept);
  EXPECT_TRUE(kept == body) << "the world keeps its global handles";
  EXPECT_EQ(0, reports.Count());
}

TEST_F(World, FilesEntitiesByKindAndKeysAndMakesValuesHostChildren)
{
  HostObject* design = new HostObject();
  const ZALBaseUnknown_var key(design);
  const RVLSharedHandle<ZALMPBody> crank = ZALMPBody::create(L"Crank");
  EXPECT_EQ(S_OK, world->Add<ZALMPBody>(key, nullptr, crank));
  EXPECT_EQ(S_FALSE, world->Add<ZALMPBody>(key, nullptr, crank));
  RVLSharedHandle<ZALMPBody> found;
  EXPECT_EQ(S_OK, world->Get<ZALMPBody>(key, nullptr, found));
  EXPECT_TRUE(found == crank);
  ZALBaseUnknown_var key1, key2;
  EXPECT_EQ(S_OK, world->GetKeys(RVLSharedHandle<RVLBasicEntity>(crank), key1, key2));
  EXPECT_TRUE(key1 == design);
  EXPECT_FALSE(key2);
  EXPECT_EQ(E_FAIL, world->GetKeys(RVLSharedHandle<RVLBasicEntity>(host), key1, key2)) << "no entity kind";

  const RVLSharedHandle<ZALMPConstant> value = ZALMPConstant::create(L"k");
  bool inWorld = false;
  EXPECT_EQ(S_OK, world->Add<ZALMPValue>(value));
  value->IsInWorld(inWorld);
  EXPECT_TRUE(inWorld);
  RVLSharedHandle<ZALMPWorld> reached;
  EXPECT_EQ(S_OK, value->GetWorld(reached));
  EXPECT_TRUE(reached == world);
  EXPECT_EQ(S_OK, world->Remove<ZALMPValue>(value));
  EXPECT_TRUE(host->hasLogicalChild(value)) << "removal keeps the host link";
  EXPECT_EQ(0, reports.Count());
}

TEST_F(World, KeepsHostLoaderAndTableAsTheHostGivesThem)
{
  HostObject loader;
  int flag = 0;
  ZALBaseUnknown* got = nullptr;
  EXPECT_EQ(S_FALSE, world->GetLoader(got, flag));
  EXPECT_EQ(S_OK, world->SetLoader(&loader, 7));
  EXPECT_EQ(S_FALSE, world->SetLoader(nullptr, 1));
  EXPECT_EQ(S_OK, world->GetLoader(got, flag));
  EXPECT_EQ(&loader, got);
  EXPECT_EQ(7, flag);
  EXPECT_EQ(S_OK, world->SetLoader(nullptr, 0));
  EXPECT_EQ(S_FALSE, world->GetLoader(got, flag));

  HostObject* table = new HostObject();
  table->AddRef();
  EXPECT_EQ(S_FALSE, world->SetTable(nullptr));
  EXPECT_EQ(S_OK, world->SetTable(table));
  EXPECT_EQ(2u, table->GetRefCount());
  ASSERT_EQ(S_OK, world->GetTable(got));
  EXPECT_EQ(3u, table->GetRefCount());
  got->Release();
  ZALMPWorld::destroy(world);
  EXPECT_EQ(1u, table->GetRefCount()) << "released with the world";
  table->Release();
}

TEST_F(World, WholeWorldOperationsVisitTheEntitiesTheyConcern)
{
  std::vector<std::string> calls;
  const RVLSharedHandle<ZALMPBody> free = ZALMPBody::create(L"free");
  const RVLSharedHandle<ZALMPBody> fixed = ZALMPBody::create(L"fixed");
  free->SetLoader(new RecordingBodyLoader(calls));
  fixed->Fix();
  fixed->SetLoader(new RecordingBodyLoader(calls));
  world->Add<ZALMPBody>(free);
  world->Add<ZALMPBody>(fixed);
  world->FixAllFreeBodies();
  world->UnfixAllFreeBodies();
  EXPECT_EQ((std::vector<std::string>{"fix", "unfix"}), calls) << "only the free body, through its loader";
  EXPECT_FALSE(free->IsFixed()) << "the body's own flag is not touched";

  const RVLSharedHandle<CountingSensor> active = CountingSensor::create(L"a");
  const RVLSharedHandle<CountingSensor> inactive = CountingSensor::create(L"i");
  inactive->Deactivate();
  world->Add<ZALMPSensor>(active);
  world->Add<ZALMPSensor>(inactive);
  world->UpdateSensors();
  world->ResetSensors();
  EXPECT_EQ(1, active->updates);
  EXPECT_EQ(1, active->resets);
  EXPECT_EQ(0, inactive->updates + inactive->resets);

  double error = -1.0;
  EXPECT_TRUE(world->IsSatisfied(error));
  EXPECT_EQ(0.0, error);
  const RVLSharedHandle<ScriptedConstraint> loose = ScriptedConstraint::create(L"loose");
  const RVLSharedHandle<ScriptedConstraint> off = ScriptedConstraint::create(L"off");
  loose->loader->error = 0.25;
  off->loader->error = 0.5;
  off->loader->satisfied = false;
  off->Deactivate();
  world->Add<ZALMPConstraint>(loose);
  world->Add<ZALMPConstraint>(off);
  EXPECT_TRUE(world->IsSatisfied()) << "inactive constraints do not count";
  EXPECT_TRUE(world->IsSatisfied(error));
  EXPECT_EQ(0.5, error) << "the largest error, active or not";
  loose->loader->raise = true;
  EXPECT_FALSE(world->IsSatisfied()) << "a raised host error counts as not satisfied";
  world->UpdateConstraintParameters();
  EXPECT_EQ(1, loose->loader->updates);
  EXPECT_EQ(1, off->loader->updates);
  EXPECT_EQ(0, reports.Count());
}

TEST_F(World, IsWeightedOnlyWhenEveryBodyWithAShapeHasMass)
{
  const RVLSharedHandle<ZALMPBody> shapeless = ZALMPBody::create(L"shapeless");
  world->Add<ZALMPBody>(shapeless);
  EXPECT_TRUE(world->IsWeighted()) << "massless bodies without shapes do not count";
  const RVLSharedHandle<ZALMPBody> shaped = ZALMPBody::create(L"shaped");
  shaped->LinkToShape(CountedShape::create(L"s"));
  world->Add<ZALMPBody>(shaped);
  EXPECT_FALSE(world->IsWeighted());
  shaped->SetMass(2.0);
  EXPECT_TRUE(world->IsWeighted());
}

TEST(WorldTeardown, DestroyFreesLinkedEntitiesWithTheWorld)
{
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"BasicWorld");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  {
    // A body and a shape that hold each other, and a body with its own axis system.
    const RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"b");
    const RVLSharedHandle<CountedShape> shape = CountedShape::create(L"s");
    body->LinkToShape(shape);
    shape->body = body;
    const RVLSharedHandle<ZALMPAxisSystem> axis = ZALMPAxisSystem::create(L"a");
    body->AddGeometry(axis);
    axis->SetBody(body);
    world->Add<ZALMPBody>(body);
    world->Add<ZALMPShape>(shape);
    world->Add<ZALMPGeometry>(axis);
    world->Add<ZALMPValue>(ZALMPConstant::create(L"k"));
  }
  EXPECT_EQ(1, g_liveShapes);
  ZALMPWorld::destroy(world);
  RVLBasicWorld::destroy(host);
  EXPECT_EQ(0, g_liveShapes) << "the cycle was broken; the sanitizer build checks every other entity";
}

}  // namespace
