#include "ZALGetEnv.h"

#include <cstdlib>

const char* ZALGetEnv(const char* name)
{
  return name ? std::getenv(name) : nullptr;
}
