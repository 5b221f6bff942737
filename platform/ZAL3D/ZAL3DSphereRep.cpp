#include "ZAL3DSphereRep.h"

ZAL3DSphereRep* ZAL3DSphereRep::CreateRep(double radius)
{
  const Lengths lengths{radius};
  return AreLengths(lengths) ? new ZAL3DSphereRep(lengths) : nullptr;
}

ZAL3DRep* ZAL3DSphereRep::ReadShape(ZALMathStream& stream)
{
  const Lengths lengths = ReadLengths(stream);
  return stream.IsGood() ? CreateRep(lengths[0]) : nullptr;
}
