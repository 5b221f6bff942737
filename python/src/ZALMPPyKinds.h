#pragma once
#include "ZALMPPyModel.h"

#include <RVLSharedHandle.h>

#include <pybind11/pybind11.h>

#include <string>

class ZALMPEntity;
class ZALMPLink;

/// One Python class per entity class of the class table, made from the
/// entity layer's descriptions: each class derives from its base's, can be
/// made by name when the factory makes the kind, and has one property per
/// field and per link of the kind. A kind added to the library appears here
/// with nothing written for it.
class ZALMPPyKinds {
public:
  /// The name of the capsule through which Wrap hands an entity to `Entity.__init__`.
  static constexpr const char* kCapsuleName = "zalmp.made";

  /// Makes the classes under `module` (deriving from `entityClass`), the
  /// dictionary `kinds` of them by class name, and `create`.
  static void Bind(pybind11::module_& module, const pybind11::object& entityClass);

  /// A Python object of the entity's class holding `entity` and `model`; None for a null handle.
  static pybind11::object Wrap(const RVLSharedHandle<ZALMPEntity>& entity, const ZALMPPyModelShare& model);

  /// The attribute name of a link: its group's for a list ("geometries"),
  /// its item's for a single partner ("first_body").
  static std::string LinkAttribute(const ZALMPLink& link);
};
