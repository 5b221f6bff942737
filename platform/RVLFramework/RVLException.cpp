#include "RVLEAlreadyRegistered.h"
#include "RVLEInvalidCast.h"
#include <utility>

RVLEInvalidCast::RVLEInvalidCast() : RVLException("The source and target handles have incompatible referent types") {}

RVLEInvalidCast::RVLEInvalidCast(std::string sourceClass, std::string targetClass)
  : RVLEInvalidCast()
{
  m_sourceClass = std::move(sourceClass);
  m_targetClass = std::move(targetClass);
}

RVLEAlreadyRegistered::RVLEAlreadyRegistered() : RVLException("The subscriber is already registered with this agent") {}
