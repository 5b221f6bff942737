#pragma once
#include <pybind11/pybind11.h>

/// Model files from Python: `load`, `save`, `import_urdf`, `export_urdf`,
/// the `Model` they give and the `Error` they raise.
class ZALMPPyFiles {
public:
  static void Bind(pybind11::module_& module);
};
