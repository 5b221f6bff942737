// Whole-world operations on chain worlds of N links. Each link is a body with
// mass properties and a placement, an axis system at its tip, a variable of
// quantity Angle with limits and a constant; consecutive links are tied by a
// revolute joint, realised by a revolute constraint between the previous tip
// and an axis system at the link's base, which uses the link's angle. Times are reported per link;
// a load also reports its file size and its peak resident memory per link.
#include "ZALMPBenchSupport.h"

#include <ZALMPXml.h>

#include <ZALMPAxisSystem.h>
#include <ZALMPBody.h>
#include <ZALMPConstant.h>
#include <ZALMPObserver.h>
#include <ZALMPRevolute.h>
#include <ZALMPRevoluteConstraint.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace ZALMPBench;

// A world with its host world, destroyed together.
struct Chain {
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Chain");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  Chain() = default;
  Chain(const Chain&) = delete;
  Chain& operator=(const Chain&) = delete;
  ~Chain()
  {
    ZALMPWorld::destroy(world);
    host->orphanObject();
  }
};

// Makes an axis system named `name` at `origin` on `body`, filed in `world`.
RVLSharedHandle<ZALMPAxisSystem> AddFrame(ZALMPWorld& world, const RVLSharedHandle<ZALMPBody>& body,
                                          const std::wstring& name, double origin)
{
  RVLSharedHandle<ZALMPAxisSystem> frame = ZALMPAxisSystem::create(name);
  frame->SetAxisSystem(ZALMathAxis(ZALMathPoint(origin, 0, 0), ZALMathVector(1, 0, 0), ZALMathVector(0, 1, 0),
                                   ZALMathVector(0, 0, 1)));
  body->AddGeometry(frame);
  frame->SetBody(body);
  world.Add<ZALMPGeometry>(frame);
  return frame;
}

// The link's body with its tip frame, its angle variable and its length and,
// from the second link on, the revolute joint to the previous link: a frame
// at this link's base, and a revolute constraint between the previous tip and
// that base which realises the joint and uses the angle.
void AddLink(ZALMPWorld& world, int index, RVLSharedHandle<ZALMPBody>& previous,
             RVLSharedHandle<ZALMPAxisSystem>& previousTip)
{
  const std::wstring suffix = std::to_wstring(index);
  RVLSharedHandle<ZALMPBody> body = ZALMPBody::create(L"Link." + suffix);
  body->SetMass(1.0 + index % 7 * 0.25);
  body->SetCenterOfGravity(ZALMathPoint(0.05, 0, 0));
  body->SetInertiaMatrix(
      ZALMath3x3Matrix(ZALMathVector(1e-4, 0, 0), ZALMathVector(0, 2e-4, 0), ZALMathVector(0, 0, 2e-4)));
  const double angle = 0.01 * index;
  const ZALMath3x3Matrix rotation(ZALMathVector(std::cos(angle), std::sin(angle), 0),
                                  ZALMathVector(-std::sin(angle), std::cos(angle), 0), ZALMathVector(0, 0, 1));
  body->SetPosition(ZALMathTransformation(rotation, ZALMathVector(0.1 * index, 0, 0)), 0);
  world.Add<ZALMPBody>(body);
  RVLSharedHandle<ZALMPVariable> variable = ZALMPVariable::create(L"Angle." + suffix);
  variable->SetPhysicalQuantity(ZALMPPhysicalQuantity::Angle);
  variable->SetMinValue(-1.5);
  variable->SetMaxValue(1.5);
  world.Add<ZALMPVariable>(variable);
  RVLSharedHandle<ZALMPConstant> length = ZALMPConstant::create(L"Length." + suffix);
  length->SetPhysicalQuantity(ZALMPPhysicalQuantity::Length);
  length->SetValue(0.1);
  world.Add<ZALMPValue>(length);
  if (previous) {
    const RVLSharedHandle<ZALMPAxisSystem> base = AddFrame(world, body, L"Base." + suffix, 0.0);
    RVLSharedHandle<ZALMPRevolute> joint = ZALMPRevolute::create(L"Joint." + suffix);
    RVLSharedHandle<ZALMPRevoluteConstraint> hinge = ZALMPRevoluteConstraint::create(L"Hinge." + suffix);
    joint->LinkToBody(previous, ZALMPBodyOrientation::Out);
    joint->LinkToBody(body, ZALMPBodyOrientation::In);
    previous->LinkToJoint(joint);
    body->LinkToJoint(joint);
    for (const RVLSharedHandle<ZALMPAxisSystem>& frame : {previousTip, base}) {
      hinge->LinkToGeometry(frame);
      frame->LinkToConstraint(hinge);
    }
    hinge->LinkToVariable(variable);
    variable->LinkToConstraint(hinge);
    hinge->SetJoint(joint);
    joint->AddConstraint(hinge);
    world.Add<ZALMPJoint>(joint);
    world.Add<ZALMPConstraint>(hinge);
  }
  previousTip = AddFrame(world, body, L"Frame." + suffix, 0.1);
  previous = body;
}

void Build(ZALMPWorld& world, int links)
{
  RVLSharedHandle<ZALMPBody> previous;
  RVLSharedHandle<ZALMPAxisSystem> previousTip;
  for (int index = 0; index < links; ++index) AddLink(world, index, previous, previousTip);
}

// One chain per size, built once and shared by the benchmarks that only read it.
Chain& SharedChain(int links)
{
  static std::map<int, std::unique_ptr<Chain>> chains;
  std::unique_ptr<Chain>& chain = chains[links];
  if (!chain) {
    chain = std::make_unique<Chain>();
    Build(*chain->world, links);
    // Entities make their identifiers on first request; a saved or loaded
    // model has them already, so the first timed save must not make them.
    std::string text;
    ZALMPXml::Write(*chain->world, text);
  }
  return *chain;
}

// The saved file of a chain, written once per size.
std::filesystem::path SharedFile(int links)
{
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("zalmp-chain-" + std::to_string(links) + ".xml");
  static std::map<int, bool> written;
  if (!written[links]) {
    if (!ZALMPXml::Save(*SharedChain(links).world, path).Ok()) std::abort();
    written[links] = true;
  }
  return path;
}

void BM_Build(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  const double peak = TimeWithPeak(state, [&] {
    auto chain = std::make_unique<Chain>();
    Build(*chain->world, links);
    return chain;
  });
  SetPerLink(state, links);
  state.counters["peak_bytes_per_link"] = peak / links;
}

void BM_SaveFile(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  TimeSave(state, *SharedChain(links).world, std::filesystem::temp_directory_path() / "zalmp-chain-save.xml", links);
}

void BM_Load(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  TimeLoad(state, SharedFile(links), links);
}

void BM_PugixmlParse(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  TimePugixmlParse(state, SharedFile(links), links);
}

void BM_Clone(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  TimeClone(state, *SharedChain(links).world, links);
}

// Copies the first half of the links: bodies, axis systems, and the joints
// into them with their constraints and angle variables.
void BM_CloneWithFilter(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  TimeCloneWithFilter(state, *SharedChain(links).world, links);
}

// 10^5 update notices, one per body, reaching an observer of the whole world.
void BM_ObserverNotices(benchmark::State& state)
{
  const int links = static_cast<int>(state.range(0));
  const RVLSharedHandle<ZALMPWorld>& world = SharedChain(links).world;
  std::vector<RVLSharedHandle<ZALMPBody>> bodies(static_cast<std::size_t>(world->Count<ZALMPBody>()));
  for (std::size_t index = 0; index < bodies.size(); ++index) world->Get<ZALMPBody>(static_cast<int>(index), bodies[index]);
  for (auto _ : state) {
    state.PauseTiming();
    RVLSharedHandle<ZALMPObserver> observer = ZALMPObserver::create();
    observer->Subscribe(world);
    state.ResumeTiming();
    for (const RVLSharedHandle<ZALMPBody>& body : bodies) body->NotifyUpdate();
    state.PauseTiming();
    if (observer->GetMovingBodyCount(ZALMPObserver::SinceSubscription) != bodies.size())
      state.SkipWithError("notices lost");
    ZALMPObserver::destroy(observer);
    state.ResumeTiming();
  }
  state.counters["per_notice"] =
      benchmark::Counter(static_cast<double>(bodies.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                                 benchmark::Counter::kInvert);
}

}  // namespace

// Decided before any memory is taken.
const bool g_keepMemory = KeepMemory();

BENCHMARK(BM_Build)->Apply(Links<1000000>);
BENCHMARK(BM_SaveFile)->Apply(Links<100000>);
BENCHMARK(BM_Load)->Apply(Links<100000>);
BENCHMARK(BM_PugixmlParse)->Apply(Links<100000>);
BENCHMARK(BM_Clone)->Apply(Links<1000000>);
BENCHMARK(BM_CloneWithFilter)->Apply(Links<100000>);
BENCHMARK(BM_ObserverNotices)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
