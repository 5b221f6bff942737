#include "ZAL3DCylinderRep.h"

ZAL3DCylinderRep* ZAL3DCylinderRep::CreateRep(double radius, double height)
{
  const Lengths lengths{radius, height};
  return AreLengths(lengths) ? new ZAL3DCylinderRep(lengths) : nullptr;
}

ZAL3DRep* ZAL3DCylinderRep::ReadShape(ZALMathStream& stream)
{
  const Lengths lengths = ReadLengths(stream);
  return stream.IsGood() ? CreateRep(lengths[0], lengths[1]) : nullptr;
}
