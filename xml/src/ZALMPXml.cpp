#include <ZALMPXml.h>
#include <ZALMPXmlCodec.h>

#include "ZALMPXmlDeferredEntities.h"
#include "ZALMPXmlText.h"

#include <ZALMPReportCollector.h>
#include <ZALMPWorld.h>

#include <RVLEInvalidCast.h>
#include <ZALUtf8.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <new>
#include <utility>

namespace {

constexpr std::wstring_view kModel = L"ZALMPModel";
constexpr std::wstring_view kWorld = L"World";

std::string Narrow(std::wstring_view text)
{
  return ZALWideToUtf8(text);
}

// Success for a version of ZALMPVersion::kAll, an error naming it otherwise.
ZALMPXmlResult CheckVersion(std::wstring_view version)
{
  if (std::find(ZALMPVersion::kAll.begin(), ZALMPVersion::kAll.end(), version) != ZALMPVersion::kAll.end()) return {};
  return ZALMPXmlResult::Failure("unknown format version \"" + Narrow(version) + "\"");
}

std::vector<ZALMPXmlWarning> Warnings(std::vector<ZALMPReportCollector::Report> reports)
{
  std::vector<ZALMPXmlWarning> warnings;
  warnings.reserve(reports.size());
  for (ZALMPReportCollector::Report& report : reports)
    warnings.push_back({std::move(report.file), report.line, std::move(report.context)});
  return warnings;
}

// The codec's byte counts as progress; none when no one listens.
ZALMPXmlCodec::BytesDone InBytes(const ZALMPXmlProgress& progress)
{
  if (!progress) return {};
  return [&progress](std::uint64_t done, std::uint64_t total) { progress(ZALMPXmlProgressUnit::Bytes, done, total); };
}

// The world of a document whose tree was read; nothing is kept on failure.
// With `deferred`, the entities' content comes from it; `gaveUp` then tells
// that it could not give all of it.
ZALMPXmlResult ReadModel(const ZALMPXmlReader& root, ZALMPXmlModel& model, const ZALMPXmlProgress& progress,
                         ZALMPDeferredElements* deferred = nullptr, bool* gaveUp = nullptr)
{
  std::wstring id;
  root.GetId(id);
  if (id != kModel)
    return ZALMPXmlResult::Failure("the root element is <" + Narrow(id) + ">, not <" + Narrow(kModel) + ">");
  std::wstring version;
  root.GetVersion(version);
  if (ZALMPXmlResult problem = CheckVersion(version); !problem) return problem;
  if (!root.HasElement(kWorld))
    return ZALMPXmlResult::Failure("no <" + Narrow(kWorld) + "> element under <" + Narrow(kModel) + ">");

  ZALMPXmlModel fresh;
  fresh.hostWorld = RVLBasicWorld::create(L"BasicWorld");
  fresh.world = ZALMPWorld::create(fresh.hostWorld);
  fresh.version = version;
  ZALMPReportCollector collector;
  try {
    std::function<void(std::size_t, std::size_t)> entitiesRead;
    if (progress)
      entitiesRead = [&progress](std::size_t read, std::size_t total) {
        progress(ZALMPXmlProgressUnit::Entities, read, total);
      };
    const HRESULT status =
        deferred ? fresh.world->Deserialize(&root, *deferred, entitiesRead) : fresh.world->Deserialize(&root, entitiesRead);
    if (status == E_ABORT && gaveUp) *gaveUp = true;
    if (FAILED(status)) return ZALMPXmlResult::Failure("the world could not be read");
  } catch (const RVLEInvalidCast& error) {
    std::string message = Narrow(collector.UnwoundContext());
    if (message.empty()) message = "an element";
    message += " refers to a";
    message += error.SourceClass().empty() ? "n entity of another kind" : " " + error.SourceClass();
    if (!error.TargetClass().empty()) message += " where a " + error.TargetClass() + " is expected";
    return ZALMPXmlResult::Failure(message);
  } catch (const std::bad_alloc&) {
    return ZALMPXmlResult::Failure("out of memory while reading the world");
  }
  fresh.warnings = Warnings(collector.TakeReports());
  model = std::move(fresh);
  return {};
}

}  // namespace

ZALMPXmlModel& ZALMPXmlModel::operator=(ZALMPXmlModel&& other) noexcept
{
  if (this == &other) return *this;
  Release();
  hostWorld = std::move(other.hostWorld);
  world = std::move(other.world);
  version = std::move(other.version);
  warnings = std::move(other.warnings);
  return *this;
}

ZALMPXmlModel::ZALMPXmlModel() = default;

ZALMPXmlModel::~ZALMPXmlModel()
{
  Release();
}

void ZALMPXmlModel::Release()
{
  if (world) ZALMPWorld::destroy(world);
  if (hostWorld) hostWorld->orphanObject();
  hostWorld.Release();
  version.clear();
  warnings.clear();
}

// Writes `world` under a "ZALMPModel" element of `root`; false when it cannot.
bool ZALMPXml::WriteModel(const ZALMPWorld& world, std::wstring_view version, ZALMPXmlWriter& root)
{
  root.SetVersion(version);
  ZALMPSerializer* model = nullptr;
  return SUCCEEDED(root.AddElement(kModel, model)) && model && SUCCEEDED(world.Serialize(model));
}

// Both encode the world entity by entity as it is written, so neither ever
// holds the whole tree in memory; Save does not hold the whole text either.
ZALMPXmlResult ZALMPXml::Write(const ZALMPWorld& world, std::string& text, std::wstring_view version)
{
  if (ZALMPXmlResult problem = CheckVersion(version); !problem) return problem;
  std::string document;
  ZALMPXmlStreamedTree tree([&document](std::string_view piece) {
    document += piece;
    return true;
  });
  if (!WriteModel(world, version, tree.Root()) || !tree.Finish())
    return ZALMPXmlResult::Failure("the world could not be written");
  text = std::move(document);
  return {};
}

ZALMPXmlResult ZALMPXml::Read(std::string_view text, ZALMPXmlModel& model)
{
  return ReadText(ZALMPXmlText(text), model, {});
}

// Entity by entity where the direct reading takes the whole document; else,
// and after any failure of the document's own (not of the world in it), the
// whole tree first, which gives every error exactly as it always did.
ZALMPXmlResult ZALMPXml::ReadText(ZALMPXmlText text, ZALMPXmlModel& model, const ZALMPXmlProgress& progress)
{
  ZALMPXmlResult result;
  if (ReadEntityByEntity(text, model, progress, result)) return result;
  return ReadWhole(text.View(), model, progress);
}

bool ZALMPXml::ReadEntityByEntity(ZALMPXmlText& text, ZALMPXmlModel& model, const ZALMPXmlProgress& progress,
                                  ZALMPXmlResult& result)
{
  ZALMPXmlReader::DeferredEntities deferred(std::move(text));
  ZALMPXmlReader root(ZALMPXmlReader::NewStorage{});
  if (deferred.Build(root)) {
    ZALMPXmlModel read;
    bool gaveUp = false;
    result = ReadModel(root, read, progress, &deferred, &gaveUp);
    if (!gaveUp && deferred.CheckUnread()) {
      if (result) model = std::move(read);
      return true;
    }
  }
  text = deferred.TakeText();
  return false;
}

ZALMPXmlResult ZALMPXml::ReadWhole(std::string_view text, ZALMPXmlModel& model, const ZALMPXmlProgress& progress)
{
  std::unique_ptr<ZALMPXmlReader> root;
  ZALMPXmlResult result = ZALMPXmlCodec::Read(text, root);
  if (!result) return result;
  return ReadModel(*root, model, progress);
}

ZALMPXmlResult ZALMPXml::Save(const ZALMPWorld& world, const std::filesystem::path& path, std::wstring_view version,
                              const ZALMPXmlProgress& progress)
{
  if (ZALMPXmlResult problem = CheckVersion(version); !problem) return problem;
  bool written = false;
  ZALMPXmlResult result = ZALMPXmlCodec::SaveStreamed(
      [&](ZALMPXmlWriter& root) { return written = WriteModel(world, version, root); }, path, InBytes(progress));
  if (!result && !written) return ZALMPXmlResult::Failure("the world could not be written");
  return result;
}

ZALMPXmlResult ZALMPXml::Load(const std::filesystem::path& path, ZALMPXmlModel& model,
                              const ZALMPXmlProgress& progress)
{
  ZALMPXmlText text;
  if (ZALMPXmlResult result = text.ReadFile(path, InBytes(progress)); !result) return result;
  return ReadText(std::move(text), model, progress);
}
