#include "ZALMPTestKinds.h"
#include "ZALMPTestSupport.h"

#include <ZALIMPBodyLoader.h>
#include <ZALIMPConstraintLoader.h>
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

// The globals themselves (names, links, the fixed global body, the time
// quantity) are pinned by the kept documents of the kind conformance test.
TEST_F(World, EmptyingKeepsTheGlobalHandlesButUnfilesThem)
{
  ZALWBFactory* factory = nullptr;
  EXPECT_EQ(S_OK, world->GetWBFactory(factory));
  EXPECT_NE(nullptr, factory);
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
  const RVLSharedHandle<TestConstraint> loose = TestConstraint::create(L"loose");
  const RVLSharedHandle<TestConstraint> off = TestConstraint::create(L"off");
  ScriptedConstraintLoader* const looseLoader = new ScriptedConstraintLoader();
  ScriptedConstraintLoader* const offLoader = new ScriptedConstraintLoader();
  loose->SetLoader(looseLoader);
  off->SetLoader(offLoader);
  looseLoader->error = 0.25;
  offLoader->error = 0.5;
  offLoader->satisfied = false;
  off->Deactivate();
  world->Add<ZALMPConstraint>(loose);
  world->Add<ZALMPConstraint>(off);
  EXPECT_TRUE(world->IsSatisfied()) << "inactive constraints do not count";
  EXPECT_TRUE(world->IsSatisfied(error));
  EXPECT_EQ(0.5, error) << "the largest error, active or not";
  looseLoader->raise = true;
  EXPECT_FALSE(world->IsSatisfied()) << "a raised host error counts as not satisfied";
  world->UpdateConstraintParameters();
  EXPECT_EQ(1, looseLoader->updates);
  EXPECT_EQ(1, offLoader->updates);
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

}  // namespace
