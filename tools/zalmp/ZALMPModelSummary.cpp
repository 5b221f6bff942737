#include "ZALMPModelSummary.h"

#include <ZALMPEntityKinds.h>
#include "ZALMPToolText.h"

#include <ZALMPAxisSystem.h>
#include <ZALMPWorld.h>
#include <ZALMPXml.h>

#include <iomanip>
#include <string_view>

namespace {

// Labels are padded so that the values line up in one column.
void Row(std::ostream& out, std::string_view label, const std::string& value)
{
  out << "  " << std::left << std::setw(20) << label << value << "\n";
}

void PrintCounts(const ZALMPWorld& world, std::ostream& out)
{
  out << "Entities (kinds with none are left out)\n";
  int total = 0;
  ZALMPEntityKinds::ForEach([&]<class Kind>(std::type_identity<Kind>) {
    const std::string_view name = ZALMPKindName<Kind>();
    const int count = world.Count<Kind>();
    if (count > 0) Row(out, name, std::to_string(count));
    total += count;
  });
  Row(out, "Total", std::to_string(total));
}

void PrintGlobals(const ZALMPWorld& world, std::ostream& out)
{
  RVLSharedHandle<ZALMPBody> body;
  RVLSharedHandle<ZALMPAxisSystem> axisSystem;
  RVLSharedHandle<ZALMPVariable> time;
  world.GetGlobalBody(body);
  world.GetGlobalAxisSystem(axisSystem);
  world.GetGlobalTime(time);
  out << "Globals\n";
  Row(out, "Body", ZALMPToolText::NameOf(body.get()));
  Row(out, "Axis system", ZALMPToolText::NameOf(axisSystem.get()));
  Row(out, "Time", ZALMPToolText::NameOf(time.get()));
}

void PrintSettings(const ZALMPWorld& world, std::ostream& out)
{
  ZALMathPoint origin;
  ZALMathVector gravity;
  double x = 0.0, y = 0.0, z = 0.0;
  world.GetOrigin(origin);
  world.GetGravity(gravity);
  world.GetSize(x, y, z);
  out << "Settings\n";
  Row(out, "Linear tolerance", ZALMPToolText::Number(world.GetLinearTolerance()));
  Row(out, "Angular tolerance", ZALMPToolText::Number(world.GetAngularTolerance()));
  Row(out, "Origin", ZALMPToolText::Triple(origin));
  Row(out, "Size", ZALMPToolText::Triple(ZALMathVector(x, y, z)));
  Row(out, "Gravity", ZALMPToolText::Triple(gravity));
}

void PrintWarnings(const ZALMPXmlModel& model, std::ostream& out)
{
  out << "Warnings (" << model.warnings.size() << ")\n";
  if (model.warnings.empty()) out << "  none\n";
  for (const ZALMPXmlWarning& warning : model.warnings) out << "  " << ZALMPToolText::Where(warning) << "\n";
}

}  // namespace

void ZALMPModelSummary::Print(const ZALMPXmlModel& model, const std::string& path, std::ostream& out)
{
  out << std::left << std::setw(22) << "Model" << path << "\n"
      << std::setw(22) << "Format version" << ZALMPToolText::Narrow(model.version) << "\n\n";
  PrintCounts(*model.world, out);
  out << "\n";
  PrintGlobals(*model.world, out);
  out << "\n";
  PrintSettings(*model.world, out);
  out << "\n";
  PrintWarnings(model, out);
}
