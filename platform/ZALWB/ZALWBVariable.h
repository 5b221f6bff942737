#pragma once
#include <ZALStatus.h>

#include <string>

/// A named unknown of the equation library. Variables belong to a `ZALWBFactory`;
/// the equations of that factory refer to them.
class ZALWBVariable {
public:
  explicit ZALWBVariable(std::string name) : m_name(std::move(name)) {}
  ZALWBVariable(const ZALWBVariable&) = delete;
  ZALWBVariable& operator=(const ZALWBVariable&) = delete;

  const std::string& GetName() const { return m_name; }
  /// S_OK: renamed; equations that use the variable print the new name.
  /// E_FAIL: `name` is null; the name stays.
  HRESULT SetName(const char* name);

private:
  std::string m_name;
};
