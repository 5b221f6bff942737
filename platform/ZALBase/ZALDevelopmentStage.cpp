#include "ZALDevelopmentStage.h"

namespace {
int g_developmentStage = 0;
}

int ZALDevelopmentStage()
{
  return g_developmentStage;
}

void ZALSetDevelopmentStage(int stage)
{
  g_developmentStage = stage;
}
