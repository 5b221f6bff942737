#pragma once
#include <pybind11/pybind11.h>

class ZALMPEntity;
class ZALMPField;

/// Reads and writes an entity's field from Python: numbers as float, integers
/// as int, booleans as bool, texts and enumeration members as str, points and
/// vectors as NumPy arrays of 3 (planar: 2), matrices of 3x3 (2x2) and
/// placements as homogeneous 4x4 (3x3) matrices.
class ZALMPPyFieldValue {
public:
  /// The field's value; None when the entity cannot give it (a value
  /// property held as an expression, or not set).
  static pybind11::object Read(const ZALMPField& field, const ZALMPEntity& entity);
  /// Sets the field. TypeError: `value` is not of the field's type. ValueError:
  /// the wrong shape, an enumeration name not in the list, or the entity
  /// refused the value. AttributeError: a field that can only be read.
  /// RuntimeError: the entity failed to take the value. Nothing changes on error.
  static void Write(const ZALMPField& field, ZALMPEntity& entity, pybind11::handle value);
};
