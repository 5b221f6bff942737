#pragma once
#include <string>
#include <vector>

struct ZALMPXmlModel;

/// What `zalmp check` finds wrong with a model read from a file: every
/// warning of the load, and every dangling link (an entity linked to an entity
/// that is not filed in the world's registry of its kind, such as a body's
/// geometry missing from the Geometry registry or a global that is filed
/// nowhere).
class ZALMPModelChecker {
public:
  /// One line of text per problem, the warnings first; empty when there is none.
  static std::vector<std::string> Problems(const ZALMPXmlModel& model);
};
