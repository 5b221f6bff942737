#pragma once
#include "ZAL3DPrimitiveRep.h"

/// A circular cylinder along its placement's z axis, centred on its origin.
class ZAL3DCylinderRep : public ZAL3DPrimitiveRep<2> {
public:
  /// A new cylinder owned by the caller; null unless both lengths are finite and positive.
  static ZAL3DCylinderRep* CreateRep(double radius, double height);
  /// A cylinder from what WriteShape wrote; null when the bytes make none.
  static ZAL3DRep* ReadShape(ZALMathStream& stream);

  double GetRadius() const { return GetLengths()[0]; }
  double GetHeight() const { return GetLengths()[1]; }
  ZAL3DRepType GetType() const override { return ZAL3DRepType::Cylinder; }

private:
  explicit ZAL3DCylinderRep(const Lengths& lengths) : ZAL3DPrimitiveRep(lengths) {}
  ~ZAL3DCylinderRep() override = default;
};
