#pragma once
#include "ZALMPPyModel.h"

#include <ZALMPObserver.h>

#include <RVLSharedHandle.h>

#include <pybind11/pybind11.h>

/// What a Python observer holds: the library's observer, orphaned when the
/// Python object goes, and the world it listens to, kept alive meanwhile.
struct ZALMPPyObserver {
  RVLSharedHandle<ZALMPObserver> observer = ZALMPObserver::create();
  ZALMPPyModelShare model;

  ZALMPPyObserver() = default;
  ZALMPPyObserver(const ZALMPPyObserver&) = delete;
  ZALMPPyObserver& operator=(const ZALMPPyObserver&) = delete;
  ~ZALMPPyObserver() { ZALMPObserver::destroy(observer); }

  /// Binds `Observer`: subscribe to a world, then list the bodies that moved
  /// and the other entities that changed, since subscription or since reset.
  static void Bind(pybind11::module_& module);
};
