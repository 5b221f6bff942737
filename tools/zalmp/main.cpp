// zalmp: builds the demo model, and shows, checks, converts and draws model files.
//
//   zalmp demo [FILE]                            build the demo mechanism, save it, read it back, show it
//   zalmp info FILE                              what a model file holds
//   zalmp check FILE                             every problem of a model file
//   zalmp convert IN OUT [--format-version V]    save in the layout of another format version
//   zalmp graph FILE [-o OUT]                    the model's bodies, joints, connectors and actuators as a graph
//   zalmp import-urdf ROBOT MODEL [--fixed-base] read a URDF robot and save it as a model file
//   zalmp export-urdf MODEL ROBOT                write a model file as a URDF robot
//
// On a terminal, long loads and saves show their progress on standard error.

#include "ZALMPToolCommands.h"
#include "ZALMPToolText.h"

#include <ZALMPVersion.h>

#include <CLI/CLI.hpp>

#include <cstdio>
#include <unistd.h>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
  CLI::App app{"Builds the demo multibody model, and shows, checks, converts and draws model files.", "zalmp"};
  // At most one subcommand; none at all is caught after parsing, so that an
  // unknown word is named as such rather than taken for a missing subcommand.
  app.require_subcommand(0, 1);

  std::string demoPath = "demo.xml";
  CLI::App* demo = app.add_subcommand("demo", "Build the demo mechanism, save it, read it back and show it");
  demo->add_option("FILE", demoPath, "Where to save the model")->capture_default_str();

  std::string infoPath;
  CLI::App* info = app.add_subcommand("info", "Show the version, entities, globals, settings and warnings of a model");
  info->add_option("FILE", infoPath, "Model file")->required();

  std::string checkPath;
  CLI::App* check = app.add_subcommand("check", "List the problems of a model; exit 1 when there is any");
  check->add_option("FILE", checkPath, "Model file")->required();

  std::string in, out;
  std::string version = ZALMPToolText::Narrow(ZALMPVersion::kNewest);
  std::vector<std::string> versions;
  for (const std::wstring_view known : ZALMPVersion::kAll) versions.push_back(ZALMPToolText::Narrow(known));
  CLI::App* convert = app.add_subcommand("convert", "Save a model in the layout of a format version");
  convert->add_option("IN", in, "Model file to read")->required();
  convert->add_option("OUT", out, "Model file to write")->required();
  convert->add_option("--format-version", version, "Format version of the file written")
      ->check(CLI::IsMember(versions))
      ->capture_default_str();

  std::string graphPath, graphOut;
  CLI::App* graph =
      app.add_subcommand("graph", "Show the bodies, joints, connectors and actuators of a model as a graph");
  graph->add_option("FILE", graphPath, "Model file")->required();
  graph->add_option("-o,--output", graphOut, "Draw into this file: .svg or .png, or DOT text in .dot or .gv");
  // Both URDF subcommands read one file and write the other.
  std::string urdfIn, urdfOut;
  bool fixedBase = false;
  CLI::App* importUrdf = app.add_subcommand("import-urdf", "Read a URDF robot and save it as a model file");
  importUrdf->add_option("ROBOT", urdfIn, "URDF file to read")->required();
  importUrdf->add_option("MODEL", urdfOut, "Model file to write")->required();
  importUrdf->add_flag("--fixed-base", fixedBase, "Fix the root link to the world with a rigid joint");
  CLI::App* exportUrdf = app.add_subcommand("export-urdf", "Write a model file as a URDF robot");
  exportUrdf->add_option("MODEL", urdfIn, "Model file to read")->required();
  exportUrdf->add_option("ROBOT", urdfOut, "URDF file to write")->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    // Help is a success; every other parse error is bad usage.
    return app.exit(error) == 0 ? ZALMPToolCommands::kSuccess : ZALMPToolCommands::kUsageError;
  }

  if (app.get_subcommands().empty()) {
    std::cerr << "A subcommand is required: demo, info, check, convert, graph, import-urdf or export-urdf\n"
                 "Run with --help for more information.\n";
    return ZALMPToolCommands::kUsageError;
  }

  const ZALMPToolCommands commands(std::cout, std::cerr, ::isatty(::fileno(stderr)) != 0);
  try {
    if (demo->parsed()) return commands.Demo(demoPath);
    if (info->parsed()) return commands.Info(infoPath);
    if (check->parsed()) return commands.Check(checkPath);
    if (graph->parsed()) return commands.Graph(graphPath, graphOut);
    if (importUrdf->parsed()) return commands.ImportUrdf(urdfIn, urdfOut, fixedBase);
    if (exportUrdf->parsed()) return commands.ExportUrdf(urdfIn, urdfOut);
    return commands.Convert(in, out, version);
  } catch (const std::exception& error) {
    std::cerr << "zalmp: " << error.what() << "\n";
    return ZALMPToolCommands::kModelError;
  }
}
