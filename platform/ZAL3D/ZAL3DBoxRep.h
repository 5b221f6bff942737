#pragma once
#include "ZAL3DPrimitiveRep.h"

/// A box centred on its placement's origin, along its placement's axes.
class ZAL3DBoxRep : public ZAL3DPrimitiveRep<3> {
public:
  /// A new box owned by the caller; null unless the three sizes are finite and positive.
  static ZAL3DBoxRep* CreateRep(double sizeX, double sizeY, double sizeZ);
  /// A box from what WriteShape wrote; null when the bytes make none.
  static ZAL3DRep* ReadShape(ZALMathStream& stream);

  void GetSizes(double& sizeX, double& sizeY, double& sizeZ) const;
  ZAL3DRepType GetType() const override { return ZAL3DRepType::Box; }

private:
  explicit ZAL3DBoxRep(const Lengths& sizes) : ZAL3DPrimitiveRep(sizes) {}
  ~ZAL3DBoxRep() override = default;
};
