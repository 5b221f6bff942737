#pragma once
#include "RVLException.h"

#include <string>

/// A handle was narrowed to a class that its referent is not of. Besides the
/// fixed message it names both classes when they are known (empty otherwise),
/// so that a reader can say which reference was wrong.
class RVLEInvalidCast : public RVLException {
public:
  RVLEInvalidCast();
  RVLEInvalidCast(std::string sourceClass, std::string targetClass);

  const std::string& SourceClass() const noexcept { return m_sourceClass; }
  const std::string& TargetClass() const noexcept { return m_targetClass; }

private:
  std::string m_sourceClass;
  std::string m_targetClass;
};
