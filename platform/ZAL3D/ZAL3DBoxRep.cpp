#include "ZAL3DBoxRep.h"

ZAL3DBoxRep* ZAL3DBoxRep::CreateRep(double sizeX, double sizeY, double sizeZ)
{
  const Lengths sizes{sizeX, sizeY, sizeZ};
  return AreLengths(sizes) ? new ZAL3DBoxRep(sizes) : nullptr;
}

ZAL3DRep* ZAL3DBoxRep::ReadShape(ZALMathStream& stream)
{
  const Lengths sizes = ReadLengths(stream);
  return stream.IsGood() ? CreateRep(sizes[0], sizes[1], sizes[2]) : nullptr;
}

void ZAL3DBoxRep::GetSizes(double& sizeX, double& sizeY, double& sizeZ) const
{
  sizeX = GetLengths()[0];
  sizeY = GetLengths()[1];
  sizeZ = GetLengths()[2];
}
