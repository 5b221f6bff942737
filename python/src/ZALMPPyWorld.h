#pragma once
#include "ZALMPPyModel.h"

#include <pybind11/pybind11.h>

/// What a Python world object holds: the shared world (see ZALMPPyModel).
struct ZALMPPyWorld {
  ZALMPPyModelShare model;

  /// Binds `World` (registries as sequence views, globals, settings, add,
  /// remove, clone, clone_with_filter) and `Registry`, the view of one registry.
  static void Bind(pybind11::module_& module);
};
