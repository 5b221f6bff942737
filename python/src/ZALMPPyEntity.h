#pragma once
#include "ZALMPPyModel.h"

#include <ZALMPEntity.h>

#include <RVLSharedHandle.h>

#include <pybind11/pybind11.h>

class ZALMPLink;

/// What a Python entity object holds: a counted handle on the entity (so the
/// entity lives as long as the object) and the world it was taken from, if
/// any (so that world and the entity's links live as long too).
struct ZALMPPyEntity {
  RVLSharedHandle<ZALMPEntity> entity;
  ZALMPPyModelShare model;

  /// Binds `Entity`, the base of every kind's class: what all entities have
  /// (name, identifier, kind, active flag), and their fields and links by name.
  static pybind11::class_<ZALMPPyEntity> Bind(pybind11::module_& module);

  /// The partners of `link`: a list for a list link, the partner or None for a single one.
  pybind11::object Partners(const ZALMPLink& link) const;
  /// Links this entity to `partner` through `link`: True when linked, False
  /// when the entity refused (already linked). TypeError: `partner` is not of
  /// the link's kind. RuntimeError: the entity failed.
  bool Link(const ZALMPLink& link, ZALMPPyEntity& partner);
};
