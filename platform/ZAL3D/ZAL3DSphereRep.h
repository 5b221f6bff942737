#pragma once
#include "ZAL3DPrimitiveRep.h"

/// A sphere centred on its placement's origin.
class ZAL3DSphereRep : public ZAL3DPrimitiveRep<1> {
public:
  /// A new sphere owned by the caller; null unless the radius is finite and positive.
  static ZAL3DSphereRep* CreateRep(double radius);
  /// A sphere from what WriteShape wrote; null when the bytes make none.
  static ZAL3DRep* ReadShape(ZALMathStream& stream);

  double GetRadius() const { return GetLengths()[0]; }
  ZAL3DRepType GetType() const override { return ZAL3DRepType::Sphere; }

private:
  explicit ZAL3DSphereRep(const Lengths& lengths) : ZAL3DPrimitiveRep(lengths) {}
  ~ZAL3DSphereRep() override = default;
};
