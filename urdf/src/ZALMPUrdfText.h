#pragma once
#include <urdf_model/model.h>

#include <string>

/// The URDF document of a model, as the parser's own writer lays it out but
/// with every number of the model to full precision (the writer keeps six
/// digits), so that reading the text back gives the same numbers.
class ZALMPUrdfText {
public:
  static std::string Print(const urdf::ModelInterface& model);
};
