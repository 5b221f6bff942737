#pragma once
#include <cstring>
#include <filesystem>
#include <string>

// What could not be done to which file, with the system's reason for `error`
// (an errno value): `cannot read "model.xml": No such file or directory`.
inline std::string ZALMPXmlSystemError(const std::string& what, const std::filesystem::path& path, int error)
{
  return what + " \"" + path.string() + "\": " + std::strerror(error);
}
