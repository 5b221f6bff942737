// Registry costs at 10^3 to 10^6 entities: filing, lookups by key pair, by
// index and by entity, and emptying. Fills and removals are timed for the whole
// set (items/s), without making or destroying the registry; lookups one at a
// time, in filing order or scattered over the whole registry.
#include <ZALMPEntity.h>
#include "ZALMPRegistry.h"

#include <ZALMPConstant.h>

#include <ZALBaseUnknown.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <numeric>
#include <optional>
#include <vector>

namespace {

class DesignObject : public ZALBaseUnknown {};

using Registry = ZALMPRegistry<ZALMPConstant>;
using Entity = RVLSharedHandle<ZALMPConstant>;

constexpr std::int64_t kLargest = 1'000'000;

/// A step that visits each of `count` positions once, far apart: about 0.618
/// of the way round, and coprime with `count`.
std::int64_t ScatterStride(std::int64_t count)
{
  std::int64_t stride = count * 618 / 1000 + 1;
  while (std::gcd(stride, count) != 1) ++stride;
  return stride;
}

/// Entities and design objects made once, shared by every size.
struct Pools {
  std::vector<Entity> entities;
  std::vector<ZALBaseUnknown_var> keys;
  ZALBaseUnknown_var part{new DesignObject()};

  Pools()
  {
    entities.reserve(kLargest);
    keys.reserve(kLargest);
    for (std::int64_t made = 0; made < kLargest; ++made) {
      entities.push_back(ZALMPConstant::create());
      keys.emplace_back(new DesignObject());
    }
  }
};

const Pools& Shared()
{
  static const Pools pools;
  return pools;
}

/// Files the first `count` entities, each under its own design object and the
/// common part when `keyed`.
void Fill(Registry& registry, std::int64_t count, bool keyed)
{
  const Pools& pools = Shared();
  for (std::int64_t at = 0; at < count; ++at) {
    if (keyed)
      registry.Add(pools.keys[at], pools.part, pools.entities[at]);
    else
      registry.Add(pools.entities[at]);
  }
}

void FillBench(benchmark::State& state, bool keyed)
{
  const std::int64_t count = state.range(0);
  for (auto _ : state) {
    std::optional<Registry> registry(std::in_place);
    Fill(*registry, count, keyed);
    benchmark::DoNotOptimize(registry->Count());
    state.PauseTiming();
    registry.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void BM_FillKeyless(benchmark::State& state) { FillBench(state, false); }
void BM_FillKeyed(benchmark::State& state) { FillBench(state, true); }

void BM_GetByKeyPair(benchmark::State& state)
{
  const std::int64_t count = state.range(0);
  Registry registry;
  Fill(registry, count, true);
  const Pools& pools = Shared();
  const std::int64_t stride = state.range(1) != 0 ? ScatterStride(count) : 1;
  std::int64_t at = 0;
  Entity found;
  for (auto _ : state) {
    registry.Get(pools.keys[at], pools.part, found);
    benchmark::DoNotOptimize(found.get());
    at = (at + stride) % count;
  }
}

// range(1) = 1 removes every third entity first, so that the index has to skip
// vacated slots.
void BM_GetByIndex(benchmark::State& state)
{
  const std::int64_t count = state.range(0);
  Registry registry;
  Fill(registry, count, false);
  if (state.range(1) != 0)
    for (std::int64_t at = 0; at < count; at += 3) registry.Remove(Shared().entities[at]);
  const std::int64_t listed = registry.Count();
  const std::int64_t stride = ScatterStride(listed);
  std::int64_t at = 0;
  Entity found;
  for (auto _ : state) {
    registry.Get(static_cast<int>(at), found);
    benchmark::DoNotOptimize(found.get());
    at = (at + stride) % listed;
  }
}

void BM_GetKeys(benchmark::State& state)
{
  const std::int64_t count = state.range(0);
  Registry registry;
  Fill(registry, count, true);
  const Pools& pools = Shared();
  const std::int64_t stride = state.range(1) != 0 ? ScatterStride(count) : 1;
  std::int64_t at = 0;
  ZALBaseUnknown_var key1, key2;
  for (auto _ : state) {
    registry.GetKeys(pools.entities[at], key1, key2);
    benchmark::DoNotOptimize(key1.get());
    at = (at + stride) % count;
  }
}

void BM_EmptyRegistry(benchmark::State& state)
{
  const std::int64_t count = state.range(0);
  for (auto _ : state) {
    state.PauseTiming();
    std::optional<Registry> registry(std::in_place);
    Fill(*registry, count, state.range(1) != 0);
    state.ResumeTiming();
    registry->EmptyRegistry();
    state.PauseTiming();
    registry.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
}

// Removes every entity one by one, first to last or last to first.
void RemoveBench(benchmark::State& state, bool lastFirst)
{
  const std::int64_t count = state.range(0);
  const Pools& pools = Shared();
  for (auto _ : state) {
    state.PauseTiming();
    std::optional<Registry> registry(std::in_place);
    Fill(*registry, count, state.range(1) != 0);
    state.ResumeTiming();
    for (std::int64_t step = 0; step < count; ++step) registry->Remove(pools.entities[lastFirst ? count - 1 - step : step]);
    benchmark::DoNotOptimize(registry->Count());
    state.PauseTiming();
    registry.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void BM_RemoveInOrder(benchmark::State& state) { RemoveBench(state, false); }
void BM_RemoveReverse(benchmark::State& state) { RemoveBench(state, true); }

// Sizes 10^3 .. 10^6, alone or with a 0/1 switch as second argument (see ArgNames).
void Sizes(benchmark::internal::Benchmark* bench)
{
  for (std::int64_t count = 1'000; count <= kLargest; count *= 10) bench->Arg(count);
}
void SizesWithSwitch(benchmark::internal::Benchmark* bench)
{
  for (const std::int64_t on : {0, 1})
    for (std::int64_t count = 1'000; count <= kLargest; count *= 10) bench->Args({count, on});
}

}  // namespace

BENCHMARK(BM_FillKeyless)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillKeyed)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetByKeyPair)->Apply(SizesWithSwitch)->ArgNames({"n", "scattered"});
BENCHMARK(BM_GetByIndex)->Apply(SizesWithSwitch)->ArgNames({"n", "vacated"});
BENCHMARK(BM_GetKeys)->Apply(SizesWithSwitch)->ArgNames({"n", "scattered"});
BENCHMARK(BM_EmptyRegistry)->Apply(SizesWithSwitch)->ArgNames({"n", "keyed"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveInOrder)->Apply(SizesWithSwitch)->ArgNames({"n", "keyed"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveReverse)->Apply(SizesWithSwitch)->ArgNames({"n", "keyed"})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Shared();  // the pools are made before any timing starts
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
