#pragma once
// Timing whole-model operations on chains of links: memory fresh or kept, the
// peak resident memory an operation adds, times per link, and the operations
// every chain benchmark times the same way (save, load, parse, copies).
#include <ZALMPXml.h>

#include <ZALMPBody.h>
#include <ZALMPConstraint.h>
#include <ZALMPGeometry.h>
#include <ZALMPJoint.h>
#include <ZALMPShape.h>
#include <ZALMPVariable.h>
#include <ZALMPWorld.h>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <malloc.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <utility>

namespace ZALMPBench {

// Resident memory in bytes: the current figure and the peak since the last reset.
inline long long StatusBytes(const char* field)
{
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string key = std::string(field) + ":";
  while (std::getline(status, line))
    if (line.rfind(key, 0) == 0) return std::atoll(line.c_str() + key.size()) * 1024;
  return 0;
}

// With ZALMP_BENCH_KEEP_MEMORY set, freed memory stays with the process (as
// in a host that loads again and again); by default every timed iteration
// starts in memory given back to the system (as in a program that loads once).
inline bool KeepMemory()
{
  static const bool keep = [] {
    if (!std::getenv("ZALMP_BENCH_KEEP_MEMORY")) return false;
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    mallopt(M_MMAP_THRESHOLD, std::numeric_limits<int>::max());
    return true;
  }();
  return keep;
}

// Gives freed memory back (unless kept) and starts a new peak, so that the
// next peak is the operation's own.
inline void ResetPeak()
{
  if (!KeepMemory()) malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";
}

// The peak resident memory that one timed operation added, measured around it.
class PeakMeter {
public:
  explicit PeakMeter(benchmark::State& state) : m_state(state)
  {
    m_state.PauseTiming();
    ResetPeak();
    m_before = StatusBytes("VmRSS");
    m_state.ResumeTiming();
  }
  /// Ends the measure (timing paused from here on) and returns the bytes.
  double Stop()
  {
    m_state.PauseTiming();
    return static_cast<double>(StatusBytes("VmHWM") - m_before);
  }

private:
  benchmark::State& m_state;
  long long m_before = 0;
};

inline void SetPerLink(benchmark::State& state, int links)
{
  state.counters["per_link"] =
      benchmark::Counter(static_cast<double>(links), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

// Runs `operate` once per timed iteration, each starting in fresh memory
// unless memory is kept, and returns the peak the last one added. What
// `operate` returns is dropped untimed, after the peak is taken.
template <class Operate>
double TimeWithPeak(benchmark::State& state, Operate operate)
{
  // Memory kept is memory a first operation left behind: one runs untimed, so
  // that even a size timed once is timed in it.
  if (KeepMemory()) static_cast<void>(operate());
  double peak = 0;
  for (auto _ : state) {
    {
      PeakMeter meter(state);
      [[maybe_unused]] auto made = operate();
      peak = meter.Stop();
    }
    state.ResumeTiming();
  }
  return peak;
}

// A copied world, destroyed when dropped.
struct Copy {
  RVLSharedHandle<ZALMPWorld> world;
  explicit Copy(RVLSharedHandle<ZALMPWorld> copy) : world(std::move(copy)) {}
  Copy(Copy&& other) noexcept = default;
  ~Copy()
  {
    if (world) ZALMPWorld::destroy(world);
  }
};

// Whether `body` is the "In" side of `joint`: the link the joint moves.
inline bool EndsOn(const ZALMPJoint& joint, const ZALMPBody& body)
{
  for (int index = 0; index < joint.GetLinkedBodyCount(); ++index) {
    RVLSharedHandle<ZALMPBody> linked;
    ZALMPBodyOrientation::Enum orientation = ZALMPBodyOrientation::Out;
    joint.GetLinkedBody(index, linked, orientation);
    if (linked.get() == &body && orientation == ZALMPBodyOrientation::In) return true;
  }
  return false;
}

// Calls `visit` with each partner of `owner` that `count` and `get` list.
template <class Owner, class Partner, class Visit>
void ForEachPartner(const Owner& owner, int (Owner::*count)() const,
                    HRESULT (Owner::*get)(int, RVLSharedHandle<Partner>&) const, Visit visit)
{
  for (int index = 0; index < (owner.*count)(); ++index) {
    RVLSharedHandle<Partner> partner;
    if (SUCCEEDED((owner.*get)(index, partner)) && partner) visit(partner);
  }
}

// What a filtered copy of one link takes: its body with the body's frames
// and shapes, and the joint that ends on it with that joint's constraints
// and their variables.
inline void AppendLink(const RVLSharedHandle<ZALMPBody>& body, RVLSharedList<ZALMPEntity>& entities)
{
  const auto append = [&](const auto& entity) { entities.push_back(entity); };
  append(body);
  ForEachPartner(*body, &ZALMPBody::GetGeometryCount, &ZALMPBody::GetGeometry, append);
  ForEachPartner(*body, &ZALMPBody::GetLinkedShapeCount, &ZALMPBody::GetLinkedShape, append);
  ForEachPartner(*body, &ZALMPBody::GetLinkedJointCount, &ZALMPBody::GetLinkedJoint, [&](const auto& joint) {
    if (!EndsOn(*joint, *body)) return;
    append(joint);
    ForEachPartner(*joint, &ZALMPJoint::GetConstraintCount, &ZALMPJoint::GetConstraint, [&](const auto& constraint) {
      append(constraint);
      ForEachPartner(*constraint, &ZALMPConstraint::GetLinkedVariableCount, &ZALMPConstraint::GetLinkedVariable,
                     append);
    });
  });
}

// The first `count` links of a chain, as AppendLink takes them; the world's
// body 0 is its global body.
inline RVLSharedList<ZALMPEntity> FirstLinks(const ZALMPWorld& world, int count)
{
  RVLSharedList<ZALMPEntity> entities;
  for (int index = 1; index <= count; ++index) {
    RVLSharedHandle<ZALMPBody> body;
    world.Get<ZALMPBody>(index, body);
    AppendLink(body, entities);
  }
  return entities;
}

// The save a host makes: the tree streamed into a file beside the target,
// flushed and renamed over it.
inline void TimeSave(benchmark::State& state, const ZALMPWorld& world, const std::filesystem::path& path, int links)
{
  const double peak = TimeWithPeak(state, [&] {
    const bool saved = ZALMPXml::Save(world, path).Ok();
    if (!saved) state.SkipWithError("save failed");
    return saved;
  });
  SetPerLink(state, links);
  state.counters["peak_bytes_per_link"] = peak / links;
  state.counters["file_bytes_per_link"] = static_cast<double>(std::filesystem::file_size(path)) / links;
  std::filesystem::remove(path);
}

inline void TimeLoad(benchmark::State& state, const std::filesystem::path& path, int links)
{
  const double peak = TimeWithPeak(state, [&] {
    ZALMPXmlModel model;
    if (!ZALMPXml::Load(path, model).Ok()) state.SkipWithError("load failed");
    return model;
  });
  SetPerLink(state, links);
  state.counters["peak_per_file_byte"] = peak / static_cast<double>(std::filesystem::file_size(path));
  state.counters["peak_bytes_per_link"] = peak / links;
}

// pugixml's own parse of the same file, the floor of any XML load, measured
// like the load.
inline void TimePugixmlParse(benchmark::State& state, const std::filesystem::path& path, int links)
{
  const double peak = TimeWithPeak(state, [&] {
    auto document = std::make_unique<pugi::xml_document>();
    if (!document->load_file(path.c_str())) state.SkipWithError("parse failed");
    benchmark::DoNotOptimize(document->first_child());
    return document;
  });
  SetPerLink(state, links);
  state.counters["peak_per_file_byte"] = peak / static_cast<double>(std::filesystem::file_size(path));
}

// pugixml's own printing of the same file's document, parsed beforehand:
// the floor of any XML save of that text, with the walk over a model given
// for free. Its pieces are counted and dropped, as our save streams its text
// out through a small buffer. Indented by two spaces, as our files are.
inline void TimePugixmlPrint(benchmark::State& state, const std::filesystem::path& path, int links)
{
  pugi::xml_document document;
  if (!document.load_file(path.c_str())) {
    state.SkipWithError("parse failed");
    return;
  }
  struct Count final : pugi::xml_writer {
    std::size_t bytes = 0;
    void write(const void* data, std::size_t size) override
    {
      benchmark::DoNotOptimize(data);
      bytes += size;
    }
  };
  std::size_t printed = 0;
  const double peak = TimeWithPeak(state, [&] {
    Count count;
    document.save(count, "  ");
    printed = count.bytes;
    return printed;
  });
  SetPerLink(state, links);
  state.counters["peak_bytes_per_link"] = peak / links;
  state.counters["printed_bytes_per_link"] = static_cast<double>(printed) / links;
}

inline void TimeClone(benchmark::State& state, const ZALMPWorld& world, int links)
{
  const double peak = TimeWithPeak(state, [&] { return Copy(world.Clone()); });
  SetPerLink(state, links);
  state.counters["peak_bytes_per_link"] = peak / links;
}

// Copies the first half of the links (FirstLinks); times are per copied link.
inline void TimeCloneWithFilter(benchmark::State& state, const ZALMPWorld& world, int links)
{
  const RVLSharedList<ZALMPEntity> half = FirstLinks(world, links / 2);
  const double peak = TimeWithPeak(state, [&] { return Copy(world.CloneWithFilter(half)); });
  SetPerLink(state, links / 2);
  state.counters["peak_bytes_per_link"] = peak / (links / 2);
}

// Chains of 10^3, 10^4 ... up to `most` links, timed in milliseconds.
template <int most>
void Links(benchmark::internal::Benchmark* family)
{
  family->RangeMultiplier(10)->Range(1000, most)->Unit(benchmark::kMillisecond);
}

}  // namespace ZALMPBench
