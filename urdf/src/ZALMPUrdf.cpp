#include "ZALMPUrdf.h"

#include "ZALMPUrdfExporter.h"
#include "ZALMPUrdfImporter.h"
#include "ZALMPUrdfStructure.h"
#include "ZALMPUrdfParserMessages.h"
#include "ZALMPUrdfText.h"

#include <ZALMPVersion.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>
#include <ZALMPXmlCodec.h>

#include <RVLBasicWorld.h>

#include <urdf_parser/urdf_parser.h>


namespace {

// A link hanging from two joints makes the parser's links own each other in
// a circle; emptying their child lists lets them go.
class ChildListsEmptied {
public:
  explicit ChildListsEmptied(const urdf::ModelInterfaceSharedPtr& model) : m_model(model) {}
  ChildListsEmptied(const ChildListsEmptied&) = delete;
  ChildListsEmptied& operator=(const ChildListsEmptied&) = delete;
  ~ChildListsEmptied()
  {
    if (!m_model) return;
    for (const auto& [name, link] : m_model->links_) link->child_links.clear();
  }

private:
  const urdf::ModelInterfaceSharedPtr& m_model;
};

}  // namespace

ZALMPUrdfResult ZALMPUrdf::Import(std::string_view text, ZALMPXmlModel& model, Base base)
{
  urdf::ModelInterfaceSharedPtr parsed;
  const ChildListsEmptied emptied(parsed);
  ZALMPUrdfResult result;
  {
    if (std::string problem = ZALMPUrdfStructureProblem(text); !problem.empty())
      return ZALMPUrdfResult::Failure(problem);
    const ZALMPUrdfParserMessages messages;
    parsed = urdf::parseURDF(std::string(text));
    // The parser skips some malformed elements (an inertial whose mass is no
    // number) with an error but still gives a model: that is no model either.
    const std::string errors = messages.Errors();
    if (!parsed || !errors.empty())
      return ZALMPUrdfResult::Failure(errors.empty() ? "the document is no URDF robot" : errors);
    result.warnings = messages.Warnings();
  }
  ZALMPUrdfImporter importer(*parsed, base, result.warnings);
  if (std::string problem = importer.Problem(); !problem.empty()) return ZALMPUrdfResult::Failure(problem);

  // Built in a world of its own, handed over only once complete.
  ZALMPXmlModel fresh;
  fresh.hostWorld = RVLBasicWorld::create(L"BasicWorld");
  fresh.world = ZALMPWorld::create(fresh.hostWorld);
  fresh.version = ZALMPVersion::kNewest;
  if (std::string problem = importer.Build(fresh.world); !problem.empty())
    return ZALMPUrdfResult::Failure(problem);
  model = std::move(fresh);
  return result;
}

ZALMPUrdfResult ZALMPUrdf::Load(const std::filesystem::path& path, ZALMPXmlModel& model, Base base)
{
  std::string text;
  if (const ZALMPXmlResult read = ZALMPXmlCodec::LoadText(path, text); !read)
    return ZALMPUrdfResult::Failure(read.message);
  return Import(text, model, base);
}

ZALMPUrdfResult ZALMPUrdf::Export(const ZALMPWorld& world, std::string& text)
{
  ZALMPUrdfResult result;
  urdf::ModelInterface model;
  if (std::string problem = ZALMPUrdfExporter(world, result.warnings).Build(model); !problem.empty())
    return ZALMPUrdfResult::Failure(problem);
  text = ZALMPUrdfText::Print(model);
  return result;
}

ZALMPUrdfResult ZALMPUrdf::Save(const ZALMPWorld& world, const std::filesystem::path& path)
{
  std::string text;
  ZALMPUrdfResult result = Export(world, text);
  if (!result) return result;
  if (const ZALMPXmlResult saved = ZALMPXmlCodec::SaveText(text, path); !saved)
    return ZALMPUrdfResult::Failure(saved.message);
  return result;
}
