#include "ZALMPToolCommands.h"

#include "ZALMPDemoMechanism.h"
#include "ZALMPGraphRenderer.h"
#include "ZALMPModelChecker.h"
#include "ZALMPModelGraph.h"
#include "ZALMPModelSummary.h"
#include "ZALMPToolProgress.h"
#include "ZALMPToolText.h"

#include <ZALMPUrdf.h>
#include <ZALMPValue.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>
#include <ZALMPXmlCodec.h>

#include <RVLBasicWorld.h>

#include <filesystem>
#include <vector>

int ZALMPToolCommands::Demo(const std::string& path) const
{
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Demo");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  const bool built = SUCCEEDED(ZALMPDemoMechanism::Build(world));
  if (!built) Fail(path, ZALMPXmlResult::Failure("the demo mechanism could not be built"));
  const bool saved = built && Save(*world, path, ZALMPVersion::kNewest);
  ZALMPWorld::destroy(world);
  RVLBasicWorld::destroy(host);
  if (!saved) return kModelError;
  m_out << "Saved the demo mechanism to " << path << " and read it back.\n\n";
  return Info(path);
}

int ZALMPToolCommands::Info(const std::string& path) const
{
  ZALMPXmlModel model;
  if (!Load(path, model)) return kModelError;
  ZALMPModelSummary::Print(model, path, m_out);
  return kSuccess;
}

int ZALMPToolCommands::Check(const std::string& path) const
{
  ZALMPXmlModel model;
  if (!Load(path, model)) return kModelError;
  const std::vector<std::string> problems = ZALMPModelChecker::Problems(model);
  if (problems.empty()) {
    m_out << path << ": no problems\n";
    return kSuccess;
  }
  m_out << path << ": " << problems.size() << (problems.size() == 1 ? " problem\n" : " problems\n");
  for (const std::string& problem : problems) m_out << "  " << problem << "\n";
  return kModelError;
}

int ZALMPToolCommands::Convert(const std::string& in, const std::string& out, const std::string& version) const
{
  ZALMPXmlModel model;
  if (!Load(in, model)) return kModelError;
  // What the library reported while reading may be missing from the copy.
  for (const ZALMPXmlWarning& warning : model.warnings)
    m_err << "zalmp: " << in << ": warning: " << ZALMPToolText::Where(warning) << "\n";
  const std::wstring target(version.begin(), version.end());
  WarnOfValuesTheLayoutLoses(*model.world, target, out);
  if (!Save(*model.world, out, target)) return kModelError;
  m_out << "Converted " << in << " (" << ZALMPToolText::Narrow(model.version) << ") to " << out << " (" << version
        << ")\n";
  return kSuccess;
}

int ZALMPToolCommands::ImportUrdf(const std::string& in, const std::string& out, bool fixedBase) const
{
  ZALMPXmlModel model;
  const ZALMPUrdfResult imported =
      ZALMPUrdf::Load(in, model, fixedBase ? ZALMPUrdf::Base::Fixed : ZALMPUrdf::Base::Free);
  if (Report(in, imported) != kSuccess) return kModelError;
  const ZALMPXmlResult saved = ZALMPXml::Save(*model.world, out);
  if (!saved) {
    Fail(out, saved);
    return kModelError;
  }
  m_out << "Imported " << in << " to " << out << "\n";
  return kSuccess;
}

int ZALMPToolCommands::ExportUrdf(const std::string& in, const std::string& out) const
{
  ZALMPXmlModel model;
  if (!Load(in, model) || Report(in, ZALMPUrdf::Save(*model.world, out)) != kSuccess) return kModelError;
  m_out << "Exported " << in << " to " << out << "\n";
  return kSuccess;
}

int ZALMPToolCommands::Report(const std::string& path, const ZALMPUrdfResult& result) const
{
  for (const std::string& warning : result.warnings) m_err << "zalmp: " << path << ": warning: " << warning << "\n";
  if (result) return kSuccess;
  m_err << "zalmp: " << path << ": " << result.message << "\n";
  return kModelError;
}

// Layouts before R2018.0 require a physical quantity on every value; a value
// without one is written but cannot be read back from such a file.
void ZALMPToolCommands::WarnOfValuesTheLayoutLoses(const ZALMPWorld& world, std::wstring_view version,
                                                   const std::string& out) const
{
  if (!ZALMPVersion::IsBefore(version, ZALMPVersion::kR2018_0)) return;
  for (int index = 0; index < world.Count<ZALMPValue>(); ++index) {
    RVLSharedHandle<ZALMPValue> value;
    ZALMPPhysicalQuantity::Enum quantity = ZALMPPhysicalQuantity::NoPhysicalQuantity;
    if (FAILED(world.Get<ZALMPValue>(index, value)) || !value || SUCCEEDED(value->GetPhysicalQuantity(quantity)))
      continue;
    m_err << "zalmp: " << out << ": warning: value \"" << ZALMPToolText::Narrow(value->getEntityName())
          << "\" has no physical quantity; the layout of " << ZALMPToolText::Narrow(std::wstring(version))
          << " cannot keep its content\n";
  }
}

int ZALMPToolCommands::Graph(const std::string& path, const std::string& output) const
{
  const std::string ending = std::filesystem::path(output).extension().string();
  const bool drawn = ending == ".svg" || ending == ".png";
  if (!output.empty() && !drawn && ending != ".dot" && ending != ".gv") {
    m_err << "zalmp: " << output << ": the graph is written to a file ending .svg, .png, .dot or .gv\n";
    return kUsageError;
  }
  ZALMPXmlModel model;
  if (!Load(path, model)) return kModelError;
  std::string content = ZALMPModelGraph::Dot(*model.world);
  if (output.empty()) {
    m_out << content;
    return kSuccess;
  }
  std::string error;
  if (drawn && !ZALMPGraphRenderer::Render(content, ending.substr(1), content, error)) {
    m_err << "zalmp: " << output << ": " << error << "\n";
    return kModelError;
  }
  const ZALMPXmlResult saved = ZALMPXmlCodec::SaveText(content, output);
  if (!saved) {
    Fail(output, saved);
    return kModelError;
  }
  m_out << "Drew the graph of " << path << " into " << output << "\n";
  return kSuccess;
}

bool ZALMPToolCommands::Load(const std::string& path, ZALMPXmlModel& model) const
{
  ZALMPToolProgress progress(m_err, m_errIsTerminal);
  const ZALMPXmlResult loaded = ZALMPXml::Load(path, model, progress.Follow("loading " + path));
  progress.End();
  if (!loaded) Fail(path, loaded);
  return loaded.Ok() && model.world;
}

bool ZALMPToolCommands::Save(const ZALMPWorld& world, const std::string& path, std::wstring_view version) const
{
  ZALMPToolProgress progress(m_err, m_errIsTerminal);
  const ZALMPXmlResult saved = ZALMPXml::Save(world, path, version, progress.Follow("saving " + path));
  progress.End();
  if (!saved) Fail(path, saved);
  return saved.Ok();
}

void ZALMPToolCommands::Fail(const std::string& path, const ZALMPXmlResult& result) const
{
  m_err << "zalmp: " << path;
  if (result.line > 0) m_err << ":" << result.line << ":" << result.column;
  m_err << ": " << result.message << "\n";
}
