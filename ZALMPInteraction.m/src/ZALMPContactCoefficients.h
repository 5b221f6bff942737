#pragma once
#include <ZALMPFieldReader.h>
#include <ZALMPFieldWriter.h>

/// The restitution, dynamic friction and static friction coefficients that
/// inter-layers and collision rules both hold: their element ids, in order.
inline constexpr ZALMPTripleIds kZALMPCoefficientIds = {L"Restitution", L"DynamicFriction", L"StaticFriction"};

inline void ZALMPWriteCoefficients(const ZALMPFieldWriter& out, double restitution, double dynamicFriction,
                                   double staticFriction)
{
  out.Numbers(kZALMPCoefficientIds, restitution, dynamicFriction, staticFriction);
}

/// A coefficient that the element does not hold is reported and keeps its value.
inline void ZALMPReadCoefficients(const ZALMPFieldReader& in, double& restitution, double& dynamicFriction,
                                  double& staticFriction)
{
  in.Read(kZALMPCoefficientIds[0], restitution);
  in.Read(kZALMPCoefficientIds[1], dynamicFriction);
  in.Read(kZALMPCoefficientIds[2], staticFriction);
}
