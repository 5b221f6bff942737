#pragma once
#include <ZALStatus.h>

#include <string>
#include <utility>
#include <vector>

/// The outcome of a URDF import or export: success or why it failed, and
/// what the other side has no place for, one line per element it names
/// (e.g. `joint "elbow": effort and velocity limits are not kept`).
struct ZALMPUrdfResult {
  HRESULT status = S_OK;
  std::string message;                // empty on success
  std::vector<std::string> warnings;  // in the order they were found

  bool Ok() const { return SUCCEEDED(status); }
  explicit operator bool() const { return Ok(); }

  static ZALMPUrdfResult Failure(std::string message) { return {E_FAIL, std::move(message), {}}; }
};
