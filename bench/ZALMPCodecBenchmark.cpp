// Throughput of the XML encoding of element trees, beside pugixml's own parse
// of the same text. The tree has the shape of a saved model: a world with
// 100,000 entities of ten elements each (10^6 elements).
#include <ZALMPXmlCodec.h>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kEntities = 100000;

std::wstring Identifier(int index)
{
  wchar_t text[48];
  std::swprintf(text, std::size(text), L"id%08x-4a7b-4c1d-9e2f-%012x", index * 2654435761u, index);
  return text;
}

void AddPoint(ZALMPSerializer& parent, const wchar_t* id, double x, double y, double z)
{
  ZALMPSerializer* point = nullptr;
  parent.AddElement(id, point);
  ZALMPSerializer* coordinate = nullptr;
  point->AddElement(L"X", coordinate, x);
  coordinate = nullptr;
  point->AddElement(L"Y", coordinate, y);
  coordinate = nullptr;
  point->AddElement(L"Z", coordinate, z);
}

void AddReference(ZALMPSerializer& parent, const wchar_t* id, int target)
{
  ZALMPSerializer* reference = nullptr;
  parent.AddElement(id, reference);
  reference->AddAttribute(L"id", Identifier(target));
  reference->AddAttribute(L"name", L"Parameter." + std::to_wstring(target));
}

// One entity: the entity element, its mass, origin (3 coordinates), a flag,
// a parameter list with one reference and a shape reference: ten elements.
void AddEntity(ZALMPSerializer& collection, int index)
{
  ZALMPSerializer* body = nullptr;
  collection.AddElement(L"Body", body);
  body->AddAttribute(L"id", Identifier(index));
  body->AddAttribute(L"name", L"Body." + std::to_wstring(index));
  body->AddAttribute(L"isActive", L"yes");
  ZALMPSerializer* child = nullptr;
  body->AddElement(L"Mass", child, 1.0 + index % 97 * 0.125);
  AddPoint(*body, L"Origin", index * 0.001, -0.25 * (index % 13), 1e-3 * (index % 1000) + 0.5);
  child = nullptr;
  body->AddElement(L"Fixed", child, index % 10 == 0);
  ZALMPSerializer* parameters = nullptr;
  body->AddElement(L"Parameters", parameters);
  AddReference(*parameters, L"Parameter", index + kEntities);
  AddReference(*body, L"Shape", index + 2 * kEntities);
}

const ZALMPXmlWriter& ModelTree()
{
  static const std::unique_ptr<ZALMPXmlWriter> root = [] {
    auto made = std::make_unique<ZALMPXmlWriter>();
    ZALMPSerializer* world = nullptr;
    made->AddElement(L"World", world);
    ZALMPSerializer* bodies = nullptr;
    world->AddElement(L"Bodies", bodies);
    for (int i = 0; i < kEntities; ++i) AddEntity(*bodies, i);
    return made;
  }();
  return *root;
}

const std::string& ModelText()
{
  static const std::string text = ZALMPXmlCodec::Write(ModelTree());
  return text;
}

// Heap in use, small blocks and mapped ones.
std::size_t HeapInUse()
{
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// A field of /proc/self/status in bytes ("VmRSS", "VmHWM").
std::size_t StatusBytes(const char* field)
{
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return 0;
  char line[256];
  std::size_t kib = 0;
  const std::size_t length = std::strlen(field);
  while (std::fgets(line, sizeof line, status))
    if (std::strncmp(line, field, length) == 0 && line[length] == ':') kib = std::strtoull(line + length + 1, nullptr, 10);
  std::fclose(status);
  return kib * 1024;
}

// Restarts the peak resident size at the current one.
void ResetPeak()
{
  if (std::FILE* clear = std::fopen("/proc/self/clear_refs", "w")) {
    std::fputs("5", clear);
    std::fclose(clear);
  }
}

void BM_WriteTreeToXml(benchmark::State& state)
{
  const ZALMPXmlWriter& tree = ModelTree();
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string text = ZALMPXmlCodec::Write(tree);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["xml_MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_ReadXmlIntoTree(benchmark::State& state)
{
  const std::string& text = ModelText();
  for (auto _ : state) {
    std::unique_ptr<ZALMPXmlReader> tree;
    const ZALMPXmlResult result = ZALMPXmlCodec::Read(text, tree);
    if (!result) state.SkipWithError(result.message.c_str());
    benchmark::DoNotOptimize(tree.get());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// What the read tree keeps, and the most that reading it held at once
// (working copy of the text, parser nodes, tree), per byte of XML. Runs once,
// after the timings, as it gives memory back to the system first.
void BM_ReadMemory(benchmark::State& state)
{
  const std::string& text = ModelText();
  const double size = static_cast<double>(text.size());
  for (auto _ : state) {
    malloc_trim(0);
    ResetPeak();
    const std::size_t residentBefore = StatusBytes("VmRSS");
    const std::size_t before = HeapInUse();
    std::unique_ptr<ZALMPXmlReader> tree;
    ZALMPXmlCodec::Read(text, tree);
    state.counters["tree_bytes_per_xml_byte"] = static_cast<double>(HeapInUse() - before) / size;
    state.counters["peak_bytes_per_xml_byte"] = static_cast<double>(StatusBytes("VmHWM") - residentBefore) / size;
  }
}

void BM_PugixmlParse(benchmark::State& state)
{
  const std::string& text = ModelText();
  for (auto _ : state) {
    pugi::xml_document document;
    const pugi::xml_parse_result result = document.load_buffer(text.data(), text.size());
    if (!result) state.SkipWithError(result.description());
    benchmark::DoNotOptimize(document.first_child().internal_object());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// The same for pugixml's document, which keeps its own copy of the text beside its nodes.
void BM_PugixmlMemory(benchmark::State& state)
{
  const std::string& text = ModelText();
  for (auto _ : state) {
    malloc_trim(0);
    const std::size_t before = HeapInUse();
    pugi::xml_document document;
    document.load_buffer(text.data(), text.size());
    state.counters["document_bytes_per_xml_byte"] = static_cast<double>(HeapInUse() - before) / text.size();
  }
}

}  // namespace

BENCHMARK(BM_WriteTreeToXml)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadXmlIntoTree)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PugixmlMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
  // Freed memory stays with the process and the heap is grown beforehand, so
  // that every iteration of every benchmark works in memory that is already
  // mapped: the figures then show the work of each codec, not how fast the
  // system maps fresh pages (which this code cannot change, and which varies
  // with the allocator's history far more than with the codec).
  mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ModelText();  // built before any timing starts
  {
    std::vector<std::unique_ptr<char[]>> blocks;
    for (std::size_t grown = 0; grown < 24 * ModelText().size(); grown += 1 << 20) {
      blocks.push_back(std::make_unique<char[]>(1 << 20));
      blocks.back()[0] = 1;
      std::memset(blocks.back().get(), 1, 1 << 20);
    }
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
