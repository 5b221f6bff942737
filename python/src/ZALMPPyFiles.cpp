#include "ZALMPPyFiles.h"

#include "ZALMPPyModel.h"
#include "ZALMPPyWorld.h"

#include <ZALMPUrdf.h>
#include <ZALMPXml.h>

#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace py = pybind11;

namespace {

/// A failed load, save, import or export; its text is the library's message.
class FileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

/// A world read from a file, its format version and what was reported while reading it.
struct PyModel {
  ZALMPPyWorld world;
  std::wstring version;
  std::vector<std::string> warnings;
};

// Takes the world out of `model`, which would otherwise destroy it.
ZALMPPyWorld Adopt(ZALMPXmlModel& model)
{
  ZALMPPyWorld world{std::make_shared<ZALMPPyModel>(model.hostWorld, model.world)};
  model.hostWorld.Release();
  model.world.Release();
  return world;
}

std::string Where(const ZALMPXmlWarning& warning)
{
  return warning.source + ":" + std::to_string(warning.line) + " " +
         (warning.element.empty() ? std::string("(outside any element)")
                                  : std::string(warning.element.begin(), warning.element.end()));
}

// "path:line:column: message", as the command-line tool writes it.
std::string Message(const std::filesystem::path& path, const ZALMPXmlResult& result)
{
  std::string message = path.string();
  if (result.line > 0) message += ":" + std::to_string(result.line) + ":" + std::to_string(result.column);
  return message + ": " + result.message;
}

PyModel Load(const std::filesystem::path& path)
{
  ZALMPXmlModel model;
  ZALMPXmlResult result;
  {
    py::gil_scoped_release released;
    result = ZALMPXml::Load(path, model);
  }
  if (!result) throw FileError(Message(path, result));
  PyModel loaded{Adopt(model), model.version, {}};
  for (const ZALMPXmlWarning& warning : model.warnings) loaded.warnings.push_back(Where(warning));
  return loaded;
}

void Save(const ZALMPPyWorld& world, const std::filesystem::path& path, const std::wstring& version)
{
  ZALMPXmlResult result;
  {
    py::gil_scoped_release released;
    result = ZALMPXml::Save(world.model->World(), path, version);
  }
  if (!result) throw FileError(Message(path, result));
}

PyModel ImportUrdf(const std::filesystem::path& path, bool fixedBase)
{
  ZALMPXmlModel model;
  const ZALMPUrdfResult result = ZALMPUrdf::Load(path, model, fixedBase ? ZALMPUrdf::Base::Fixed : ZALMPUrdf::Base::Free);
  if (!result) throw FileError(path.string() + ": " + result.message);
  return PyModel{Adopt(model), model.version, result.warnings};
}

std::vector<std::string> ExportUrdf(const ZALMPPyWorld& world, const std::filesystem::path& path)
{
  const ZALMPUrdfResult result = ZALMPUrdf::Save(world.model->World(), path);
  if (!result) throw FileError(path.string() + ": " + result.message);
  return result.warnings;
}

}  // namespace

void ZALMPPyFiles::Bind(py::module_& module)
{
  py::register_exception<FileError>(module, "Error", PyExc_RuntimeError);

  py::class_<PyModel>(module, "Model", "A world read from a file, with the file's format version and the warnings.")
      .def_readonly("world", &PyModel::world)
      .def_readonly("version", &PyModel::version)
      .def_readonly("warnings", &PyModel::warnings,
                    "What the library reported while reading: \"<source>:<line> <element>\" each.")
      .def("__repr__", [](const PyModel& self) {
        return "<zalmp.Model " + std::string(self.version.begin(), self.version.end()) + ", " +
               std::to_string(self.warnings.size()) + " warnings>";
      });

  module.def("load", &Load, py::arg("path"),
             "Reads a model file. zalmp.Error with the library's message (path:line:column for malformed XML) "
             "when it cannot be read; no world is made then.");
  module.def("save", &Save, py::arg("world"), py::arg("path"), py::arg("version") = std::wstring(ZALMPVersion::kNewest),
             "Saves the world in the layout of `version`; the file is replaced only by a complete one. "
             "zalmp.Error when it cannot be saved (an unknown version, a folder that cannot be written).");
  module.def("import_urdf", &ImportUrdf, py::arg("path"), py::arg("fixed_base") = false,
             "Reads a URDF robot into a new world; the model's warnings list what the world does not keep. "
             "`fixed_base` joins the root link to the global body. zalmp.Error when it cannot be read.");
  module.def("export_urdf", &ExportUrdf, py::arg("world"), py::arg("path"),
             "Writes the world as a URDF robot; gives what URDF cannot hold, one line each. zalmp.Error for a "
             "world without a body.");
}
