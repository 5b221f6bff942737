#pragma once
#include <RVLSharedHandle.h>
#include <ZALStatus.h>

class ZALMPWorld;

/// The demo model: a crank-rocker four-bar linkage in the XY plane.
///
/// A fixed ground bar carries the two pivots; the crank turns about the first,
/// the rocker swings about the second, and the coupler joins the crank pin to
/// the rocker pin. Each of the four bodies is a steel bar with a frame (axis
/// system at its pivot), a point at its far pin and a cylinder for its pivot
/// pin, linked to it both ways. The model also holds the crank and rocker
/// angles and the crank and coupler lengths as variables, a few constants of
/// several physical quantities, a boolean, a description text and the rule
/// that ties the coupler length to the crank length as an expression.
class ZALMPDemoMechanism {
public:
  /// Builds the mechanism and files every entity in `world`, which also gets
  /// the gravity of the demo (along -Y). S_OK. E_FAIL: `world` is null, has no
  /// equation factory, or a part could not be made or filed; the world's
  /// registries are then as they were.
  static HRESULT Build(const RVLSharedHandle<ZALMPWorld>& world);
};
